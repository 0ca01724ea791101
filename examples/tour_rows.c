/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Columns and rows: a row filled, cloned and marked. */

#include <stdio.h>

#include "tour.h"

static void
print_row (const char *label, TavrelModelDataRowModel *row)
{
  g_autofree gchar *version = tavrel_model_transform_data_version_to_string (tavrel_model_data_row_model_get_version (row));
  printf ("  %s [%s]:", label, version);
  guint n = g_list_model_get_n_items (G_LIST_MODEL (row));
  for (guint i = 0; i < n; i++) {
    g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_row_model_get_value_at (row, (gint) i);
    g_autofree gchar *text = tavrel_model_data_value_object_to_string (value);
    printf (" %s=\"%s\"", tavrel_model_data_value_object_get_name (value), text);
  }
  printf ("\n");
}

void
tour_rows (void)
{
  tour_heading ("columns and rows");
  g_autoptr (TavrelModelDataColumnModel) status = tavrel_model_data_column_model_new_full ("status", TAVREL_MODEL_DATA_DATA_TYPE_ERROR);
  g_autoptr (TavrelModelDataColumnModel) note = tavrel_model_data_column_model_new_full_size ("note", TAVREL_MODEL_DATA_DATA_TYPE_DBNULL, 64);
  tavrel_model_data_column_model_set_title (note, "Note");
  g_autofree gchar *kind = tavrel_model_data_data_type_to_string (tavrel_model_data_column_model_get_data_type (status));
  printf ("  column %s (%s), column %s titled %s, size %lu\n", tavrel_model_data_column_model_get_name (status), kind,
          tavrel_model_data_column_model_get_name (note), tavrel_model_data_column_model_get_title (note),
          (unsigned long) tavrel_model_data_column_model_get_data_size (note));

  g_autoptr (TavrelModelDataRowModel) row = tavrel_model_data_row_model_new ();
  GeeArrayList *values = tavrel_model_data_row_model_get_values (row);
  g_autoptr (TavrelModelDataValueError) error = tavrel_model_data_value_error_new (1205, "deadlock");
  g_autoptr (TavrelModelDataValueNull) null = tavrel_model_data_value_null_new ();
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), error);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), null);
  print_row ("as read", row);

  g_autoptr (TavrelModelDataRowModel) edited = tavrel_model_data_row_model_clone (row);
  g_autoptr (TavrelModelDataValueError) retry = tavrel_model_data_value_error_new (0, "retried");
  tavrel_model_data_row_model_set_value_at (edited, 0, TAVREL_MODEL_DATA_VALUE_OBJECT (retry));
  tavrel_model_data_row_model_set_version (edited, TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
  print_row ("as read", row);
  print_row ("edited copy", edited);

  g_autoptr (TavrelModelDataValueObject) first = tavrel_model_data_row_model_get_value_at (edited, 0);
  tour_print_dump (first);
}
