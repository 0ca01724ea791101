/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * What the library shares between threads: its registered types, the
 * patterns compiled on first use (FROM clauses, view columns, geography),
 * the local time zone it keeps, the factory's tables, and what the
 * catalogue's JSON form and the patcher learn of each class on first use.  Sixteen threads
 * reach all of it at the same moment, each object of their own, and must
 * get what one thread alone gets afterwards.  CI runs this suite under
 * ThreadSanitizer as well, which sees the races that happen to give the
 * right answer.
 */

#include <latch>
#include <string>
#include <thread>
#include <vector>

#include <json-glib/json-glib.h>

#include "tests/every_get_type.h"
#include "tests/support.h"

namespace {

constexpr int THREADS = 16;
constexpr int ROUNDS = 40;
/* The library resolves the local time zone again once a second: the rounds
 * go on past that, so that one thread renews it while others read it. */
constexpr gint64 LASTING = G_USEC_PER_SEC * 3 / 2;

GType (*const every_get_type[]) () = {LMTEST_EVERY_GET_TYPE};

const char *const statements[] = {
    "SELECT * FROM sale_order o WHERE o.id = 1",
    "select a, b from \"shop\".\"line\" join product p on p.id = a",
    "SELECT x FROM [db].[dbo].[stock];",
    "update nothing set x = 1",
};

const char *const definitions[] = {
    "select a, b from t",
    "select t.a as x, d from t",
    "SELECT o.id AS order_id, o.*, total FROM sale_order o",
};

struct Cell {
  TavrelModelDataDataType kind;
  const char *text;
};

const Cell cells[] = {
    {TAVREL_MODEL_DATA_DATA_TYPE_INT32, "-42"},
    {TAVREL_MODEL_DATA_DATA_TYPE_UINT64, "18446744073709551615"},
    {TAVREL_MODEL_DATA_DATA_TYPE_DECIMAL, "12.50"},
    {TAVREL_MODEL_DATA_DATA_TYPE_DATE, "2024-03-05"},
    {TAVREL_MODEL_DATA_DATA_TYPE_TIME, "14:07:09"},
    {TAVREL_MODEL_DATA_DATA_TYPE_DATETIME, "2024-03-05T14:07:09+01:00"},
    {TAVREL_MODEL_DATA_DATA_TYPE_GEOGRAPHY, "POINT(-12.5, 47.25)"},
    {TAVREL_MODEL_DATA_DATA_TYPE_STRING, "(Null)"},
    {TAVREL_MODEL_DATA_DATA_TYPE_BINARY, "bytes"},
};

/* One round of the work, as texts to compare. */
std::vector<std::string>
work ()
{
  std::vector<std::string> seen;
  for (const char *sql : statements) {
    TavrelModelDataTableModel *table = tavrel_model_data_table_model_new_with_sql (sql);
    seen.push_back (std::string (tavrel_model_data_table_model_get_schema (table)) + "."
                    + tavrel_model_data_table_model_get_entity (table));
    g_object_unref (table);
  }
  for (const char *definition : definitions) {
    TavrelModelMetaMetaView *view = tavrel_model_meta_meta_view_new ();
    tavrel_model_meta_meta_view_set_definition (view, definition);
    GeeArrayList *columns = tavrel_model_meta_meta_view_get_columns (view);
    std::string names;
    for (gint i = 0; i < gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns)); i++) {
      gpointer column = gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), i);
      names += std::string (tavrel_model_meta_meta_object_get_name (TAVREL_MODEL_META_META_OBJECT (column))) + ",";
      g_object_unref (column);
    }
    seen.push_back (names);
    g_object_unref (view);
  }
  for (const Cell &cell : cells) {
    TavrelModelDataIValue *value = tavrel_model_data_ivalue_factory (cell.kind, cell.text);
    seen.push_back (lmtest::take_string (tavrel_model_data_ivalue_to_string (value)));
    if (TAVREL_MODEL_DATA_IS_VALUE_GEOGRAPHY (value))
      seen.push_back (std::to_string (
          tavrel_model_data_value_geography_latitude (TAVREL_MODEL_DATA_VALUE_GEOGRAPHY (value))));
    g_object_unref (value);
  }
  TavrelModelMetaMetaTable *table = tavrel_model_meta_meta_table_new ();
  g_object_unref (tavrel_model_meta_meta_table_new_column (table, "id", TAVREL_MODEL_DATA_DATA_TYPE_INT32));
  gchar *json = json_gobject_to_data (G_OBJECT (table), nullptr);
  GObject *read = json_gobject_from_data (TAVREL_MODEL_META_TYPE_META_TABLE, json, -1, nullptr);
  g_object_unref (tavrel_model_meta_meta_table_new_column (TAVREL_MODEL_META_META_TABLE (read), "name",
                                                            TAVREL_MODEL_DATA_DATA_TYPE_STRING));
  TavrelModelTransformPatcher *patcher = tavrel_model_transform_patcher_new ();
  seen.push_back (std::string (json) + " "
                  + std::to_string (tavrel_model_transform_patcher_diff_model (patcher, TAVREL_MODEL_META_META_OBJECT (table), TAVREL_MODEL_META_META_OBJECT (read))));
  g_object_unref (patcher);
  g_object_unref (read);
  g_free (json);
  g_object_unref (table);
  return seen;
}

class Threads : public lmtest::Test {};

TEST_F (Threads, SixteenAtOnceSeeWhatOneSees)
{
  std::latch start (THREADS);
  std::vector<std::vector<std::string>> results (THREADS);
  std::vector<std::vector<GType>> types (THREADS);
  std::vector<std::thread> threads;
  for (int t = 0; t < THREADS; t++) {
    threads.emplace_back ([&, t] {
      start.arrive_and_wait ();
      /* Each begins with another class, so that first uses overlap. */
      size_t n = G_N_ELEMENTS (every_get_type);
      for (size_t i = 0; i < n; i++)
        types[t].push_back (every_get_type[(i + size_t (t) * 5) % n] ());
      gint64 started = g_get_monotonic_time ();
      for (int round = 0; round < ROUNDS || g_get_monotonic_time () - started < LASTING; round++) {
        std::vector<std::string> seen = work ();
        if (round == 0)
          results[t] = seen;
        else if (seen != results[t])
          results[t] = {"round " + std::to_string (round) + " differs"};
      }
    });
  }
  for (std::thread &thread : threads)
    thread.join ();

  std::vector<std::string> alone = work ();
  size_t n = G_N_ELEMENTS (every_get_type);
  for (int t = 0; t < THREADS; t++) {
    EXPECT_EQ (alone, results[t]) << "thread " << t;
    ASSERT_EQ (n, types[t].size ());
    for (size_t i = 0; i < n; i++)
      EXPECT_EQ (every_get_type[(i + size_t (t) * 5) % n] (), types[t][i]) << "thread " << t;
  }
  EXPECT_EQ ("shop.line", alone[1]);
  EXPECT_EQ ("x,d,", alone[G_N_ELEMENTS (statements) + 1]);
  /* The second column is an INSERT beneath the table: an UPDATE. */
  EXPECT_EQ (std::to_string (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE), alone.back ().substr (alone.back ().rfind (' ') + 1));
}

}  // namespace
