/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Data sets, scalar results and error results. */

#include "tests/support.h"

using lmtest::NotifyCounter;
using lmtest::Watch;

namespace {

class Results : public lmtest::Test {};

}  // namespace

TEST_F (Results, DataSetsListTheirTables)
{
  g_autoptr (TavrelModelDataDataSetModel) set = tavrel_model_data_data_set_model_new ();
  GListModel *model = G_LIST_MODEL (set);
  EXPECT_EQ (0u, g_list_model_get_n_items (model));
  EXPECT_EQ (nullptr, g_list_model_get_item (model, 0));
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_TABLE_MODEL, g_list_model_get_item_type (model));
  EXPECT_FALSE (G_TYPE_CHECK_INSTANCE_TYPE (set, TAVREL_MODEL_DATA_TYPE_IRESULT)) << "a data set holds results";

  GeeArrayList *tables = tavrel_model_data_data_set_model_get_tables (set);
  GeeArrayList *property = nullptr;
  g_object_get (set, "tables", &property, nullptr);
  EXPECT_EQ (tables, property);
  g_object_unref (property);
  GParamSpec *pspec = g_object_class_find_property (G_OBJECT_GET_CLASS (set), "tables");
  ASSERT_NE (nullptr, pspec);
  EXPECT_FALSE (pspec->flags & G_PARAM_WRITABLE);

  g_autoptr (TavrelModelDataTableModel) first = tavrel_model_data_table_model_new_with_sql ("SELECT * FROM a");
  g_autoptr (TavrelModelDataTableModel) second = tavrel_model_data_table_model_new_with_sql ("SELECT * FROM b");
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tables), first);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tables), second);
  EXPECT_EQ (2u, g_list_model_get_n_items (model));
  g_autoptr (TavrelModelDataTableModel) item = TAVREL_MODEL_DATA_TABLE_MODEL (g_list_model_get_item (model, 1));
  EXPECT_EQ (second, item);
  EXPECT_EQ (nullptr, g_list_model_get_item (model, 2));
  EXPECT_EQ (nullptr, g_list_model_get_item (model, G_MAXUINT));

  EXPECT_EQ (nullptr, tavrel_model_data_data_set_model_get_tables (nullptr));
  expect_critical ("tavrel_model_data_data_set_model_get_tables: assertion 'self != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_data_set_model_get_tables ((TavrelModelDataDataSetModel *) first));
  expect_critical (
      "tavrel_model_data_data_set_model_get_tables: assertion 'TAVREL_MODEL_DATA_IS_DATA_SET_MODEL (self)' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_data_set_model_construct (TAVREL_MODEL_DATA_TYPE_TABLE_MODEL));
  expect_critical (
      "tavrel_model_data_data_set_model_construct: assertion 'g_type_is_a (object_type, "
      "TAVREL_MODEL_DATA_TYPE_DATA_SET_MODEL)' failed");
}

TEST_F (Results, ReleasingADataSetReleasesItsTables)
{
  TavrelModelDataDataSetModel *set = tavrel_model_data_data_set_model_new ();
  GeeArrayList *tables = tavrel_model_data_data_set_model_get_tables (set);
  TavrelModelDataTableModel *owned = tavrel_model_data_table_model_new ();
  TavrelModelDataTableModel *shared = tavrel_model_data_table_model_new ();
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tables), owned);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tables), shared);
  g_object_unref (owned);
  Watch set_watch (set), list_watch (tables), owned_watch (owned), shared_watch (shared);

  g_object_unref (set);
  EXPECT_TRUE (set_watch.finalized ());
  EXPECT_TRUE (list_watch.finalized ());
  EXPECT_TRUE (owned_watch.finalized ());
  EXPECT_FALSE (shared_watch.finalized ()) << "the caller's reference keeps its table";
  g_object_unref (shared);
  EXPECT_TRUE (shared_watch.finalized ());
}

TEST_F (Results, ScalarResultsHoldANumber)
{
  g_autoptr (TavrelModelDataScalarResult) result = tavrel_model_data_scalar_result_new (-1);
  EXPECT_EQ (-1, tavrel_model_data_scalar_result_get_rows (result));
  EXPECT_TRUE (G_TYPE_CHECK_INSTANCE_TYPE (result, TAVREL_MODEL_DATA_TYPE_IRESULT));

  NotifyCounter rows (result, "rows");
  tavrel_model_data_scalar_result_set_rows (result, -1);
  EXPECT_EQ (0, rows.count ());
  tavrel_model_data_scalar_result_set_rows (result, G_MININT32);
  EXPECT_EQ (1, rows.count ());
  g_object_set (result, "rows", G_MAXINT32, nullptr);
  EXPECT_EQ (2, rows.count ());
  gint read = 0;
  g_object_get (result, "rows", &read, nullptr);
  EXPECT_EQ (G_MAXINT32, read);

  /* The property system assigns the default at construction. */
  g_autoptr (GObject) bare = G_OBJECT (g_object_new (TAVREL_MODEL_DATA_TYPE_SCALAR_RESULT, nullptr));
  EXPECT_EQ (0, tavrel_model_data_scalar_result_get_rows (TAVREL_MODEL_DATA_SCALAR_RESULT (bare)));
  GParamSpec *pspec = g_object_class_find_property (G_OBJECT_GET_CLASS (bare), "rows");
  EXPECT_TRUE (pspec->flags & G_PARAM_CONSTRUCT);
  EXPECT_EQ (G_MININT32, G_PARAM_SPEC_INT (pspec)->minimum);

  EXPECT_EQ (0, tavrel_model_data_scalar_result_get_rows (nullptr));
  expect_critical ("tavrel_model_data_scalar_result_get_rows: assertion 'self != NULL' failed");
  tavrel_model_data_scalar_result_set_rows (TAVREL_MODEL_DATA_SCALAR_RESULT (bare), 3);
  EXPECT_EQ (3, tavrel_model_data_scalar_result_get_rows (TAVREL_MODEL_DATA_SCALAR_RESULT (bare)));
  EXPECT_EQ (nullptr, tavrel_model_data_scalar_result_construct (TAVREL_MODEL_DATA_TYPE_INVALID_RESULT, 1));
  expect_critical (
      "tavrel_model_data_scalar_result_construct: assertion 'g_type_is_a (object_type, "
      "TAVREL_MODEL_DATA_TYPE_SCALAR_RESULT)' failed");
}

TEST_F (Results, ErrorResultsHoldCodeAndMessage)
{
  TavrelModelDataInvalidResult *result = tavrel_model_data_invalid_result_new ("42P01", "relation does not exist");
  EXPECT_STREQ ("42P01", tavrel_model_data_invalid_result_get_code (result));
  EXPECT_STREQ ("relation does not exist", tavrel_model_data_invalid_result_get_message (result));
  EXPECT_TRUE (G_TYPE_CHECK_INSTANCE_TYPE (result, TAVREL_MODEL_DATA_TYPE_IRESULT));

  {
    NotifyCounter code (result, "code"), message (result, "message");
    tavrel_model_data_invalid_result_set_code (result, "42P01");
    EXPECT_EQ (0, code.count ());
    tavrel_model_data_invalid_result_set_code (result, "23505");
    g_object_set (result, "code", "23505", nullptr);
    EXPECT_EQ (1, code.count ());
    tavrel_model_data_invalid_result_set_message (result, nullptr);
    EXPECT_EQ (1, message.count ());
    EXPECT_EQ (nullptr, tavrel_model_data_invalid_result_get_message (result));
  }

  Watch watch (result);
  g_object_unref (result);
  EXPECT_TRUE (watch.finalized ());

  g_autoptr (GObject) bare = G_OBJECT (g_object_new (TAVREL_MODEL_DATA_TYPE_INVALID_RESULT, nullptr));
  EXPECT_EQ (nullptr, tavrel_model_data_invalid_result_get_code (TAVREL_MODEL_DATA_INVALID_RESULT (bare)));

  EXPECT_EQ (nullptr, tavrel_model_data_invalid_result_new (nullptr, nullptr));
  expect_critical ("tavrel_model_data_invalid_result_new: assertion 'error_code != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_invalid_result_new ("1", nullptr));
  expect_critical ("tavrel_model_data_invalid_result_new: assertion 'error_message != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_invalid_result_construct (TAVREL_MODEL_DATA_TYPE_SCALAR_RESULT, nullptr, "m"));
  expect_critical ("tavrel_model_data_invalid_result_construct: assertion 'error_code != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_invalid_result_construct (TAVREL_MODEL_DATA_TYPE_SCALAR_RESULT, "1", "m"));
  expect_critical (
      "tavrel_model_data_invalid_result_construct: assertion 'g_type_is_a (object_type, "
      "TAVREL_MODEL_DATA_TYPE_INVALID_RESULT)' failed");
  tavrel_model_data_invalid_result_set_code (nullptr, "x");
  expect_critical ("tavrel_model_data_invalid_result_set_code: assertion 'self != NULL' failed");
  g_autoptr (TavrelModelDataScalarResult) other = tavrel_model_data_scalar_result_new (0);
  EXPECT_EQ (nullptr, tavrel_model_data_invalid_result_get_message ((TavrelModelDataInvalidResult *) other));
  expect_critical (
      "tavrel_model_data_invalid_result_get_message: assertion 'TAVREL_MODEL_DATA_IS_INVALID_RESULT (self)' failed");
}
