/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* The value factory: one row of cell texts, as a reader receives them,
 * turned into values of their columns' kinds and rendered back. */

#include <stdio.h>

#include "tour.h"

void
tour_factory (void)
{
  static const struct {
    TavrelModelDataDataType kind;
    const char *text;
  } cells[] = {
      {TAVREL_MODEL_DATA_DATA_TYPE_INT32, "4711"},
      {TAVREL_MODEL_DATA_DATA_TYPE_INT8, "300"},
      {TAVREL_MODEL_DATA_DATA_TYPE_UINT16, "-1"},
      {TAVREL_MODEL_DATA_DATA_TYPE_INT64, "0x7fffffffffffffff"},
      {TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN, "true"},
      {TAVREL_MODEL_DATA_DATA_TYPE_MONEY, "19.99"},
      {TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE, "2.5e-3"},
      {TAVREL_MODEL_DATA_DATA_TYPE_DATE, "2024-03-05"},
      {TAVREL_MODEL_DATA_DATA_TYPE_TIME, "14:07:09"},
      {TAVREL_MODEL_DATA_DATA_TYPE_DATETIME, "2024-03-05T14:07:09+02:00"},
      {TAVREL_MODEL_DATA_DATA_TYPE_TIMESPAN, "3600"},
      {TAVREL_MODEL_DATA_DATA_TYPE_STRING, "Acme Corporation"},
      {TAVREL_MODEL_DATA_DATA_TYPE_UUID, "5a7be9bc-dedf-46e7-b80a-360ebb765568"},
      {TAVREL_MODEL_DATA_DATA_TYPE_JSON, "{\"tags\": [\"a\", \"b\"]}"},
      {TAVREL_MODEL_DATA_DATA_TYPE_BINARY, "raw"},
      {TAVREL_MODEL_DATA_DATA_TYPE_DECIMAL, "12.3400"},
      {TAVREL_MODEL_DATA_DATA_TYPE_STRING, "(Null)"},
      {TAVREL_MODEL_DATA_DATA_TYPE_INT32, NULL},
  };

  tour_heading ("the value factory: a row of cell texts");
  g_autoptr (TavrelModelDataRowModel) row = tavrel_model_data_row_model_new ();
  GeeArrayList *values = tavrel_model_data_row_model_get_values (row);
  for (gsize i = 0; i < G_N_ELEMENTS (cells); i++) {
    TavrelModelDataIValue *value = tavrel_model_data_ivalue_factory (cells[i].kind, cells[i].text);
    gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), value);
    g_object_unref (value);
  }
  for (guint i = 0; i < g_list_model_get_n_items (G_LIST_MODEL (row)); i++) {
    g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_row_model_get_value_at (row, (gint) i);
    g_autofree gchar *kind = tavrel_model_data_data_type_to_string (cells[i].kind);
    g_autofree gchar *text = tavrel_model_data_value_object_to_string (value);
    printf ("  %-9s %-40s -> %-9s \"%s\"%s\n", kind, cells[i].text ? cells[i].text : "(no text)",
            tavrel_model_data_value_object_get_name (value), text,
            tavrel_model_data_value_object_get_is_null (value) ? "  (the database NULL)" : "");
  }
}
