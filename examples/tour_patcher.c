/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Change tracking: two versions of a catalogue and of a table compared. */

#include <stdio.h>

#include "tour.h"

static void
add (GeeArrayList *list, gpointer object)
{
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), object);
  g_object_unref (object);
}

static TavrelModelMetaMetaTable *
customers (const char *email_column)
{
  TavrelModelMetaMetaTable *table = tavrel_model_meta_meta_table_new_with_names ("shop", "public", "customers");
  const char *names[] = {"id", "name", email_column};
  for (unsigned i = 0; i < G_N_ELEMENTS (names); i++) {
    TavrelModelMetaMetaColumn *column = tavrel_model_meta_meta_table_new_column (table, names[i], TAVREL_MODEL_DATA_DATA_TYPE_STRING);
    tavrel_model_meta_meta_object_set_schema (TAVREL_MODEL_META_META_OBJECT (column), "public");
    tavrel_model_meta_meta_column_set_raw_type (column, i == 0 ? "integer" : "text");
    g_object_unref (column);
  }
  return table;
}

/* Every path an object recorded, with its change and the old text. */
static void
print_record (TavrelModelMetaMetaObject *object)
{
  g_autoptr (GeeHashMap) diff = tavrel_model_meta_meta_object_diff (object);
  g_autoptr (GeeHashMap) slice = tavrel_model_meta_meta_object_slice (object);
  GeeMapIterator *it = gee_map_map_iterator (GEE_MAP (diff));
  while (gee_map_iterator_next (it)) {
    g_autofree gchar *path = gee_map_iterator_get_key (it);
    g_autofree gchar *change = tavrel_model_transform_data_version_to_string (GPOINTER_TO_UINT (gee_map_iterator_get_value (it)));
    g_autofree gchar *old = gee_abstract_map_get (GEE_ABSTRACT_MAP (slice), path);
    g_autofree gchar *where = tavrel_model_meta_meta_object_fullname (object, FALSE, TRUE);
    if (old)
      printf ("  %-28s %-22s %-6s was \"%s\"\n", where, path, change, old);
    else
      printf ("  %-28s %-22s %s\n", where, path, change);
  }
  g_object_unref (it);
}

static void
compare_catalogues (TavrelModelTransformPatcher *patcher)
{
  g_autoptr (TavrelModelMetaMetaSchema) before = tavrel_model_meta_meta_schema_new_with_names ("shop", "public");
  add (tavrel_model_meta_meta_schema_get_tables (before), customers ("email"));
  TavrelModelMetaMetaTable *notes = tavrel_model_meta_meta_table_new_with_names ("shop", "public", "notes");
  add (tavrel_model_meta_meta_schema_get_tables (before), notes);

  /* The next version: the email column renamed (the rename mark names the
   * column it was) and commented, a table dropped, another added. */
  g_autoptr (TavrelModelMetaMetaSchema) after = tavrel_model_meta_meta_schema_new_with_names ("shop", "public");
  TavrelModelMetaMetaTable *table = customers ("email_address");
  add (tavrel_model_meta_meta_schema_get_tables (after), table);
  g_autoptr (TavrelModelMetaMetaColumn) renamed = tavrel_model_meta_meta_table_get_column (table, "email_address");
  gee_abstract_map_set (GEE_ABSTRACT_MAP (tavrel_model_meta_meta_object_get_attributes (TAVREL_MODEL_META_META_OBJECT (renamed))),
                        "__name__", "email");
  tavrel_model_meta_meta_object_set_comment (TAVREL_MODEL_META_META_OBJECT (renamed), "where receipts go");
  add (tavrel_model_meta_meta_schema_get_tables (after), tavrel_model_meta_meta_table_new_with_names ("shop", "public", "orders"));

  TavrelModelTransformDataVersion result =
      tavrel_model_transform_patcher_diff_model (patcher, TAVREL_MODEL_META_META_OBJECT (before), TAVREL_MODEL_META_META_OBJECT (after));
  g_autofree gchar *text = tavrel_model_transform_data_version_to_string (result);
  printf ("  the schemas compare %s:\n", text);
  print_record (TAVREL_MODEL_META_META_OBJECT (after));
  print_record (TAVREL_MODEL_META_META_OBJECT (table));
  print_record (TAVREL_MODEL_META_META_OBJECT (renamed));
}

static TavrelModelDataTableModel *
prices (const char *const *texts, int n_rows)
{
  const TavrelModelDataDataType kinds[] = {TAVREL_MODEL_DATA_DATA_TYPE_INT32, TAVREL_MODEL_DATA_DATA_TYPE_STRING,
                                           TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE};
  TavrelModelDataTableModel *table = tavrel_model_data_table_model_new_with_sql ("select id, item, price from shop.prices");
  for (int r = 0; r < n_rows; r++) {
    TavrelModelDataRowModel *row = tavrel_model_data_row_model_new ();
    for (int c = 0; c < 3; c++)
      add (tavrel_model_data_row_model_get_values (row), tavrel_model_data_ivalue_factory (kinds[c], texts[3 * r + c]));
    tavrel_model_data_table_model_append (table, row);
    g_object_unref (row);
  }
  return table;
}

static void
compare_tables (TavrelModelTransformPatcher *patcher)
{
  const char *const read[] = {"1", "tea", "3.50", "2", "coffee", "4.20", "3", "cake", "2.80"};
  const char *const edited[] = {"1", "tea", "3.50", "2", "coffee", "4.60", "3", "cheesecake", "3.10"};
  g_autoptr (TavrelModelDataTableModel) before = prices (read, 3);
  g_autoptr (TavrelModelDataTableModel) after = prices (edited, 3);
  g_autoptr (TavrelModelDataTableModel) patched = NULL;
  tavrel_model_transform_patcher_diff_data_table (patcher, before, after, &patched);
  GeeArrayList *rows = tavrel_model_data_table_model_get_rows (patched);
  printf ("  %d of the 3 rows changed; each value with its tag:\n", gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (rows)));
  for (int r = 0; r < gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (rows)); r++) {
    g_autoptr (TavrelModelDataRowModel) row = gee_abstract_list_get (GEE_ABSTRACT_LIST (rows), r);
    printf ("   ");
    for (int c = 0; c < 3; c++) {
      g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_row_model_get_value_at (row, c);
      g_autofree gchar *text = tavrel_model_data_value_object_to_string (value);
      g_autofree gchar *tag =
          tavrel_model_transform_data_version_to_string (GPOINTER_TO_UINT (g_object_get_data (G_OBJECT (value), "VERSION")));
      printf (" %s (%s)", text, tag);
    }
    printf ("\n");
  }
}

void
tour_patcher (void)
{
  tour_heading ("change tracking");
  g_autoptr (TavrelModelTransformPatcher) patcher = tavrel_model_transform_patcher_new ();
  compare_catalogues (patcher);
  compare_tables (patcher);
}
