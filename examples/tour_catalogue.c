/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* The catalogue: a small shop database described, written to JSON and
 * read back. */

#include <stdio.h>
#include <string.h>

#include "tour.h"

static void
add (GeeArrayList *list, gpointer object)
{
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), object);
  g_object_unref (object);
}

/* A table of the shop with its key, a column that refers to another
 * table, an index and a check. */
static TavrelModelMetaMetaTable *
orders_table (void)
{
  TavrelModelMetaMetaTable *orders = tavrel_model_meta_meta_table_new_with_names ("shop", "public", "orders");
  g_autoptr (TavrelModelMetaMetaColumn) id = tavrel_model_meta_meta_table_new_column (orders, "id", TAVREL_MODEL_DATA_DATA_TYPE_INT64);
  tavrel_model_meta_meta_column_set_raw_type (id, "bigint");
  tavrel_model_meta_meta_column_set_ordinal (id, 1);
  tavrel_model_meta_meta_column_set_not_null (id, TRUE);
  tavrel_model_meta_meta_column_set_is_primary_key (id, TRUE);
  g_autoptr (TavrelModelMetaMetaColumn) customer = tavrel_model_meta_meta_table_new_column (orders, "customer_id", TAVREL_MODEL_DATA_DATA_TYPE_INT64);
  tavrel_model_meta_meta_column_set_raw_type (customer, "bigint");
  tavrel_model_meta_meta_column_set_ordinal (customer, 2);
  g_autoptr (TavrelModelMetaMetaColumn) total = tavrel_model_meta_meta_table_new_column (orders, "total", TAVREL_MODEL_DATA_DATA_TYPE_DECIMAL);
  tavrel_model_meta_meta_column_set_raw_type (total, "numeric(10,2)");
  tavrel_model_meta_meta_column_set_ordinal (total, 3);
  tavrel_model_meta_meta_column_set_default_value (total, "0");

  GeeArrayList *constraints = tavrel_model_meta_meta_table_get_constraints (orders);
  TavrelModelMetaMetaPrimaryKey *key = tavrel_model_meta_meta_primary_key_new_with_names ("shop", "public", "orders_pkey");
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tavrel_model_meta_meta_primary_key_get_columns (key)), "id");
  add (constraints, key);
  TavrelModelMetaMetaForeignKey *buyer =
      tavrel_model_meta_meta_foreign_key_new_with_refer ("shop", "public", "orders_customer_fk", "public", "customers");
  tavrel_model_meta_meta_foreign_key_set_local_columns (buyer, "customer_id");
  tavrel_model_meta_meta_foreign_key_set_refer_columns (buyer, "id");
  tavrel_model_meta_meta_foreign_key_set_delete_action (buyer, "CASCADE");
  add (constraints, buyer);
  add (constraints, tavrel_model_meta_meta_check_new_with_names ("shop", "public", "orders_total_check", "total >= 0"));

  TavrelModelMetaMetaIndex *by_customer = tavrel_model_meta_meta_index_new_with_names ("shop", "public", "orders", "orders_customer_idx");
  tavrel_model_meta_meta_index_set_method (by_customer, "btree");
  tavrel_model_meta_meta_index_append (by_customer, "customer_id");
  add (tavrel_model_meta_meta_table_get_indexes (orders), by_customer);
  return orders;
}

static void
print_columns (const char *what, GeeArrayList *columns)
{
  printf ("  %s:", what);
  for (gint i = 0; i < gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns)); i++) {
    TavrelModelMetaMetaObject *column = gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), i);
    printf (" %s", tavrel_model_meta_meta_object_get_name (column));
    g_object_unref (column);
  }
  printf ("\n");
}

void
tour_catalogue (void)
{
  tour_heading ("catalogue");

  g_autoptr (TavrelModelMetaMetaDatabase) shop = tavrel_model_meta_meta_database_new_with_name ("shop");
  g_autoptr (TavrelModelMetaMetaSchema) public_schema = tavrel_model_meta_meta_database_append (shop, "public");
  add (tavrel_model_meta_meta_schema_get_tables (public_schema), orders_table ());

  /* A view finds its columns in its definition. */
  TavrelModelMetaMetaView *big = tavrel_model_meta_meta_view_new_with_names ("shop", "public", "big_orders");
  tavrel_model_meta_meta_view_set_definition (big, "select o.id, o.total as amount from orders o where o.total > 1000");
  print_columns ("view big_orders has the columns", tavrel_model_meta_meta_view_get_columns (big));
  add (tavrel_model_meta_meta_schema_get_views (public_schema), big);

  TavrelModelMetaMetaFunction *tax = tavrel_model_meta_meta_function_new_with_names ("shop", "public", "tax");
  tavrel_model_meta_meta_routine_set_return_type (TAVREL_MODEL_META_META_ROUTINE (tax), "numeric");
  tavrel_model_meta_meta_routine_set_body (TAVREL_MODEL_META_META_ROUTINE (tax), "select amount * 0.2");
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tavrel_model_meta_meta_routine_get_parameters (TAVREL_MODEL_META_META_ROUTINE (tax))),
                               "amount numeric");
  add (tavrel_model_meta_meta_schema_get_routines (public_schema), tax);

  GeeArrayList *tables = tavrel_model_meta_meta_schema_get_tables (public_schema);
  g_autoptr (GObject) first = gee_abstract_list_get (GEE_ABSTRACT_LIST (tables), 0);
  g_autofree gchar *qualified = tavrel_model_meta_meta_object_fullname (TAVREL_MODEL_META_META_OBJECT (first), TRUE, TRUE);
  printf ("  the orders table is %s\n", qualified);

  /* The tree as one JSON document (the table's part shown), read back. */
  g_autofree gchar *text = json_gobject_to_data (G_OBJECT (shop), NULL);
  g_autofree gchar *table_text = json_gobject_to_data (first, NULL);
  printf ("  the database is %zu bytes of JSON; its orders table:\n%s\n", strlen (text), table_text);

  g_autoptr (GError) error = NULL;
  g_autoptr (GObject) read = json_gobject_from_data (TAVREL_MODEL_META_TYPE_META_DATABASE, text, -1, &error);
  if (!read) {
    printf ("  reading it back failed: %s\n", error->message);
    return;
  }
  g_autofree gchar *again = json_gobject_to_data (read, NULL);
  printf ("  read back, it writes the same text again: %s\n", strcmp (text, again) == 0 ? "yes" : "no");
  GeeArrayList *schemas = tavrel_model_meta_meta_database_get_schemas (TAVREL_MODEL_META_META_DATABASE (read));
  g_autoptr (TavrelModelMetaMetaSchema) schema = gee_abstract_list_get (GEE_ABSTRACT_LIST (schemas), 0);
  g_autoptr (TavrelModelMetaMetaTable) table = gee_abstract_list_get (GEE_ABSTRACT_LIST (tavrel_model_meta_meta_schema_get_tables (schema)), 0);
  GeeArrayList *constraints = tavrel_model_meta_meta_table_get_constraints (table);
  printf ("  its constraints came back as:");
  for (gint i = 0; i < gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (constraints)); i++) {
    GObject *constraint = gee_abstract_list_get (GEE_ABSTRACT_LIST (constraints), i);
    printf (" %s", G_OBJECT_TYPE_NAME (constraint));
    g_object_unref (constraint);
  }
  printf ("\n");
}
