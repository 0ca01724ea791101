/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* The patcher: catalogue objects compared into the target's change record,
 * and rows, tables and data sets into patched copies. */

#include <functional>
#include <map>
#include <random>

#include "tests/catalogue.h"

using lmtest::take_string;

namespace {

using Meta = TavrelModelMetaMetaObject;
using Record = std::map<std::string, std::string>;

class Patcher : public lmtest::Test {
 protected:
  TavrelModelTransformPatcher *patcher = tavrel_model_transform_patcher_new ();
  ~Patcher () override { g_object_unref (patcher); }

  TavrelModelTransformDataVersion diff (gpointer source, gpointer target)
  {
    return tavrel_model_transform_patcher_diff_model (patcher, TAVREL_MODEL_META_META_OBJECT (source),
                                                      TAVREL_MODEL_META_META_OBJECT (target));
  }
};

inline Meta *
as_object (gpointer object)
{
  return TAVREL_MODEL_META_META_OBJECT (object);
}

/* The change record of an object: path to "DELETE", "INSERT" or "UPDATE",
 * and after a space the slice text where there is one. */
Record
record_of (gpointer object)
{
  Record out;
  g_autoptr (GeeHashMap) diff = tavrel_model_meta_meta_object_diff (as_object (object));
  g_autoptr (GeeHashMap) slice = tavrel_model_meta_meta_object_slice (as_object (object));
  GeeMapIterator *it = gee_map_map_iterator (GEE_MAP (diff));
  while (gee_map_iterator_next (it)) {
    g_autofree gchar *key = static_cast<gchar *> (gee_map_iterator_get_key (it));
    auto version = TavrelModelTransformDataVersion (GPOINTER_TO_UINT (gee_map_iterator_get_value (it)));
    out[key] = take_string (tavrel_model_transform_data_version_to_string (version));
    if (gee_abstract_map_has_key (GEE_ABSTRACT_MAP (slice), key))
      out[key] += " " + take_string (static_cast<gchar *> (gee_abstract_map_get (GEE_ABSTRACT_MAP (slice), key)));
  }
  g_object_unref (it);
  return out;
}

void
add (GeeArrayList *list, gpointer object)
{
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), object);
  g_object_unref (object);
}

void
set_attribute (gpointer object, const char *key, const char *value)
{
  gee_abstract_map_set (GEE_ABSTRACT_MAP (tavrel_model_meta_meta_object_get_attributes (as_object (object))), key, value);
}

bool
has_attribute (gpointer object, const char *key)
{
  return gee_abstract_map_has_key (GEE_ABSTRACT_MAP (tavrel_model_meta_meta_object_get_attributes (as_object (object))), key);
}

TavrelModelMetaMetaColumn *
column (const char *name, const char *schema = "s")
{
  TavrelModelMetaMetaColumn *c = tavrel_model_meta_meta_column_new_with_type (name, TAVREL_MODEL_DATA_DATA_TYPE_INT32, "int");
  tavrel_model_meta_meta_object_set_schema (as_object (c), schema);
  return c;
}

TavrelModelDataRowModel *
row (std::initializer_list<gpointer> values)
{
  TavrelModelDataRowModel *r = tavrel_model_data_row_model_new ();
  for (gpointer value : values)
    add (tavrel_model_data_row_model_get_values (r), value);
  return r;
}

guint
tag (TavrelModelDataRowModel *r, gint i)
{
  g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_row_model_get_value_at (r, i);
  return GPOINTER_TO_UINT (g_object_get_data (G_OBJECT (value), "VERSION"));
}

}  // namespace

TEST_F (Patcher, ScalarsMapsAndStringListsOfOneObject)
{
  g_autoptr (TavrelModelMetaMetaIndex) a = tavrel_model_meta_meta_index_new_with_names ("d", "s", "t", "i");
  g_autoptr (TavrelModelMetaMetaIndex) b = tavrel_model_meta_meta_index_new_with_names ("d", "s", "t", "i");
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL, diff (a, b));
  EXPECT_EQ (Record {}, record_of (b));

  set_attribute (a, "a", "1");
  set_attribute (a, "b", "2");
  set_attribute (b, "b", "3");
  set_attribute (b, "c", "4");
  tavrel_model_meta_meta_object_set_comment (as_object (a), "line\none \"quoted\" \303\251");
  tavrel_model_meta_meta_object_set_comment (as_object (b), "changed");
  tavrel_model_meta_meta_object_set_database (as_object (a), nullptr);
  tavrel_model_meta_meta_index_set_is_visible (a, TRUE);
  tavrel_model_meta_meta_index_set_key_block_size (a, 18446744073709551615ull);
  for (const char *name : {"x", "y", "y"})
    tavrel_model_meta_meta_index_append (a, name);
  for (const char *name : {"z", "y", "z"})
    tavrel_model_meta_meta_index_append (b, name);
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, diff (a, b));
  EXPECT_EQ ((Record {{"attributes.a", "DELETE 1"},
                      {"attributes.b", "UPDATE 2"},
                      {"attributes.c", "INSERT"},
                      {"comment", "UPDATE line\\none \\\"quoted\\\" \\303\\251"},
                      {"database", "UPDATE NULL"},
                      {"is-visible", "UPDATE TRUE"},
                      {"key-block-size", "UPDATE 18446744073709551615"},
                      {"columns.x", "DELETE"},
                      {"columns.z", "INSERT"}}),
             record_of (b));

  /* An enumeration is rendered with its type; the diff is cleared first,
   * the slice is kept. */
  g_autoptr (TavrelModelMetaMetaColumn) c1 = column ("c");
  g_autoptr (TavrelModelMetaMetaColumn) c2 = column ("c");
  tavrel_model_meta_meta_column_set_data_type (c2, TAVREL_MODEL_DATA_DATA_TYPE_STRING);
  tavrel_model_meta_meta_object_append_diff (as_object (c2), "stale", TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE);
  tavrel_model_meta_meta_object_append_slice (as_object (c2), "stale", "kept");
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, diff (c1, c2));
  EXPECT_EQ ((Record {{"data-type", "UPDATE ((TavrelModelDataDataType) TAVREL_MODEL_DATA_DATA_TYPE_INT32)"}}),
             record_of (c2));
}

TEST_F (Patcher, ListMembersArePairedByClassSchemaAndName)
{
  g_autoptr (TavrelModelMetaMetaTable) source = tavrel_model_meta_meta_table_new_with_names ("d", "s", "t");
  g_autoptr (TavrelModelMetaMetaTable) target = tavrel_model_meta_meta_table_new_with_names ("d", "s", "t");
  GeeArrayList *from = tavrel_model_meta_meta_table_get_columns (source);
  GeeArrayList *to = tavrel_model_meta_meta_table_get_columns (target);
  for (const char *name : {"x", "y", "old", "same"})
    add (from, column (name));
  add (from, column ("other", "elsewhere"));
  TavrelModelMetaMetaColumn *y = column ("y");
  tavrel_model_meta_meta_column_set_not_null (y, TRUE);
  add (to, y);
  add (to, column ("z"));
  TavrelModelMetaMetaColumn *renamed = column ("new");
  set_attribute (renamed, "__name__", "old");
  add (to, renamed);
  add (to, column ("same"));
  add (to, column ("other"));
  GeeArrayList *keys_from = tavrel_model_meta_meta_table_get_constraints (source);
  GeeArrayList *keys_to = tavrel_model_meta_meta_table_get_constraints (target);
  add (keys_from, tavrel_model_meta_meta_unique_new_with_names ("d", "s", "k"));
  add (keys_to, tavrel_model_meta_meta_check_new_with_names ("d", "s", "k", "x > 0"));

  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, diff (source, target));
  EXPECT_EQ ((Record {{"columns.x", "DELETE"},
                      {"columns.y", "UPDATE"},
                      {"columns.new", "UPDATE"},
                      {"columns.z", "INSERT"},
                      {"columns.other", "INSERT"},
                      {"constraints.k", "INSERT"}}),
             record_of (target))
      << "an equal member records nothing, another schema or class is another member";
  EXPECT_EQ ((Record {{"not-null", "UPDATE FALSE"}}), record_of (y));
  EXPECT_EQ ((Record {{"name", "UPDATE old"}}), record_of (renamed));
  EXPECT_FALSE (has_attribute (renamed, "__name__")) << "the rename mark is used up";
}

/* A renamed column with a new comment, found at the right depth of a
 * database. */
TEST_F (Patcher, NestedTreeRecordsEachLevel)
{
  TavrelModelMetaMetaDatabase *trees[2];
  for (auto &tree : trees) {
    tree = tavrel_model_meta_meta_database_new_with_name ("shop");
    g_autoptr (TavrelModelMetaMetaSchema) schema = tavrel_model_meta_meta_database_append (tree, "public");
    TavrelModelMetaMetaTable *users = tavrel_model_meta_meta_table_new_with_names ("shop", "public", "users");
    add (tavrel_model_meta_meta_table_get_columns (users), column ("id", "public"));
    add (tavrel_model_meta_meta_table_get_columns (users), column ("email", "public"));
    add (tavrel_model_meta_meta_schema_get_tables (schema), users);
  }
  g_autoptr (TavrelModelMetaMetaDatabase) before = trees[0];
  g_autoptr (TavrelModelMetaMetaDatabase) after = trees[1];
  g_autoptr (TavrelModelMetaMetaSchema) schema = tavrel_model_meta_meta_database_append (after, "public");
  auto *users = TAVREL_MODEL_META_META_TABLE (gee_abstract_list_get (GEE_ABSTRACT_LIST (tavrel_model_meta_meta_schema_get_tables (schema)), 0));
  g_autoptr (TavrelModelMetaMetaColumn) email = tavrel_model_meta_meta_table_get_column (users, "email");
  tavrel_model_meta_meta_object_set_name (as_object (email), "email_address");
  tavrel_model_meta_meta_object_set_comment (as_object (email), "where receipts go");
  set_attribute (email, "__name__", "email");

  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, diff (before, after));
  EXPECT_EQ ((Record {{"schemas.public", "UPDATE"}}), record_of (after));
  EXPECT_EQ ((Record {{"tables.users", "UPDATE"}}), record_of (schema));
  EXPECT_EQ ((Record {{"columns.email_address", "UPDATE"}}), record_of (users));
  EXPECT_EQ ((Record {{"name", "UPDATE email"}, {"comment", "UPDATE "}}), record_of (email));
  g_object_unref (users);

  /* Compared again, the mark is used up, so the source column is deleted;
   * the source name the first comparison recorded (slices are the
   * caller's to clear) keeps the target column from counting as new. */
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, diff (before, after));
  EXPECT_EQ ((Record {{"columns.email", "DELETE"}}), record_of (users));
}

/* The indexed pairing against a walk of the lists in order, over random
 * lists where names, schemas and classes collide and members carry rename
 * marks: the same records, the same marks used up. */
TEST_F (Patcher, PairingIsThatOfAWalkInOrder)
{
  std::mt19937 random (20261208);
  auto pick = [&] (int n) { return int (random () % unsigned (n)); };
  const char *names[] = {"a", "b", "c", ""};
  const char *schemas[] = {"s", "t"};
  auto member = [&] (bool target) {
    auto *m = pick (4) ? as_object (tavrel_model_meta_meta_unique_new ()) : as_object (tavrel_model_meta_meta_check_new ());
    tavrel_model_meta_meta_object_set_name (m, names[pick (4)]);
    tavrel_model_meta_meta_object_set_schema (m, schemas[pick (2)]);
    if (target && pick (3) == 0)
      set_attribute (m, "__name__", names[pick (4)]);
    return m;
  };
  for (int round = 0; round < 300; round++) {
    g_autoptr (TavrelModelMetaMetaTable) source = tavrel_model_meta_meta_table_new ();
    g_autoptr (TavrelModelMetaMetaTable) target = tavrel_model_meta_meta_table_new ();
    GeeArrayList *s = tavrel_model_meta_meta_table_get_constraints (source);
    GeeArrayList *t = tavrel_model_meta_meta_table_get_constraints (target);
    for (int i = pick (7); i > 0; i--)
      add (s, member (false));
    for (int i = pick (7); i > 0; i--)
      add (t, member (true));

    /* The walk, on copies of the target members' marks. */
    std::vector<std::string> marks;
    for (gint j = 0; j < t->_size; j++)
      marks.push_back (has_attribute (t->_items[j], "__name__")
                           ? take_string (static_cast<gchar *> (gee_abstract_map_get (
                                 GEE_ABSTRACT_MAP (tavrel_model_meta_meta_object_get_attributes (as_object (t->_items[j]))), "__name__")))
                           : "");
    std::vector<bool> marked;
    for (gint j = 0; j < t->_size; j++)
      marked.push_back (has_attribute (t->_items[j], "__name__"));
    auto same = [] (gpointer x, gpointer y) {
      return G_OBJECT_TYPE (x) == G_OBJECT_TYPE (y) &&
             g_strcmp0 (tavrel_model_meta_meta_object_get_schema (as_object (x)), tavrel_model_meta_meta_object_get_schema (as_object (y))) == 0;
    };
    auto name = [] (gpointer x) { return std::string (tavrel_model_meta_meta_object_get_name (as_object (x))); };
    Record expected;
    std::map<gint, std::string> source_name_of;
    for (gint i = 0; i < s->_size; i++) {
      gint j = 0;
      for (; j < t->_size; j++)
        if (same (s->_items[i], t->_items[j]) &&
            (name (s->_items[i]) == name (t->_items[j]) || name (s->_items[i]) == (marked[j] ? marks[j] : "")))
          break;
      if (j == t->_size) {
        expected["constraints." + name (s->_items[i])] = "DELETE";
        continue;
      }
      marked[j] = false;
      if (name (s->_items[i]) != name (t->_items[j])) {
        expected["constraints." + name (t->_items[j])] = "UPDATE";
        source_name_of[j] = name (s->_items[i]);
      }
    }
    for (gint j = 0; j < t->_size; j++) {
      bool found = false;
      for (gint i = 0; i < s->_size && !found; i++)
        found = same (s->_items[i], t->_items[j]) &&
                (name (s->_items[i]) == name (t->_items[j]) ||
                 name (s->_items[i]) == (source_name_of.count (j) ? source_name_of[j] : ""));
      if (!found)
        expected["constraints." + name (t->_items[j])] = "INSERT";
    }

    diff (source, target);
    ASSERT_EQ (expected, record_of (target)) << "round " << round;
    for (gint j = 0; j < t->_size; j++)
      ASSERT_EQ (bool (marked[j]), has_attribute (t->_items[j], "__name__")) << "round " << round << " member " << j;
  }
}

TEST_F (Patcher, RowsTablesAndDataSets)
{
  g_autoptr (GDateTime) noon = g_date_time_new_utc (2024, 3, 5, 12, 0, 0);
  g_autoptr (GDateTime) same_noon = g_date_time_new_utc (2024, 3, 5, 12, 0, 0);
  g_autoptr (GDateTime) later = g_date_time_new_utc (2024, 3, 5, 12, 0, 1);
  auto make = [&] (bool changed) {
    return row ({tavrel_model_data_value_int32_new (7), tavrel_model_data_value_date_time_new_datetime (changed ? later : noon),
                 tavrel_model_data_value_binary_new ((const guint8 *) "ab", changed ? 2 : 1),
                 tavrel_model_data_value_string_new ("same")});
  };

  /* Rows that differ in their version only: every value identical. */
  g_autoptr (TavrelModelDataRowModel) r1 = make (false);
  g_autoptr (TavrelModelDataRowModel) r2 = make (false);
  TavrelModelDataRowModel *patched = nullptr;
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL, tavrel_model_transform_patcher_diff_data_row (patcher, r1, r2, &patched));
  EXPECT_EQ (nullptr, patched);
  tavrel_model_data_row_model_set_version (r2, TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, tavrel_model_transform_patcher_diff_data_row (patcher, r1, r2, &patched));
  ASSERT_NE (nullptr, patched);
  for (gint i = 0; i < 4; i++) {
    EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL, tag (r2, i)) << i;
    g_autoptr (TavrelModelDataValueObject) shared = tavrel_model_data_row_model_get_value_at (patched, i);
    g_autoptr (TavrelModelDataValueObject) own = tavrel_model_data_row_model_get_value_at (r2, i);
    EXPECT_EQ (own, shared);
  }
  g_clear_object (&patched);

  /* Dates and bytes compare by content; a short target is read as far as
   * it goes. */
  g_autoptr (TavrelModelDataRowModel) r3 = make (true);
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, tavrel_model_transform_patcher_diff_data_row (patcher, r1, r3, nullptr));
  const guint expected_tags[] = {1, 8, 8, 1};
  for (gint i = 0; i < 4; i++)
    EXPECT_EQ (expected_tags[i], tag (r3, i)) << i;
  g_autoptr (TavrelModelDataRowModel) short_row = row ({tavrel_model_data_value_int32_new (7)});
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, tavrel_model_transform_patcher_diff_data_row (patcher, r1, short_row, &patched));
  EXPECT_EQ (1u, g_list_model_get_n_items (G_LIST_MODEL (patched)));
  g_clear_object (&patched);

  /* Tables keep only the changed rows, in source order, marked UPDATE. */
  TavrelModelDataTableModel *tables[2];
  for (int t = 0; t < 2; t++) {
    tables[t] = tavrel_model_data_table_model_new_with_sql ("select * from shop.sales");
    for (int r = 0; r < 4; r++) {
      g_autoptr (TavrelModelDataRowModel) line = make (t == 1 && (r == 1 || r == 3));
      tavrel_model_data_table_model_append (tables[t], line);
    }
  }
  g_autoptr (TavrelModelDataTableModel) before = tables[0];
  g_autoptr (TavrelModelDataTableModel) after = tables[1];
  TavrelModelDataTableModel *table = nullptr;
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, tavrel_model_transform_patcher_diff_data_table (patcher, before, after, &table));
  ASSERT_NE (nullptr, table);
  for (const char *text : {tavrel_model_data_table_model_get_entity (table), tavrel_model_data_table_model_get_schema (table),
                           tavrel_model_data_table_model_get_statements (table)})
    EXPECT_STREQ ("", text);
  EXPECT_EQ (0, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (tavrel_model_data_table_model_get_columns (table))));
  GeeArrayList *rows = tavrel_model_data_table_model_get_rows (table);
  ASSERT_EQ (2, rows->_size);
  for (gint i = 0; i < 2; i++) {
    EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, tavrel_model_data_row_model_get_version (TAVREL_MODEL_DATA_ROW_MODEL (rows->_items[i])));
    EXPECT_EQ (guint (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE), tag (TAVREL_MODEL_DATA_ROW_MODEL (rows->_items[i]), 1));
  }
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL, tavrel_model_transform_patcher_diff_data_table (patcher, before, before, nullptr));
  g_clear_object (&table);

  /* A target that runs short: the rows it lacks count as changed, and
   * only the rows it has are read. */
  g_autoptr (TavrelModelDataTableModel) shorter = tavrel_model_data_table_model_new_with_sql ("select * from shop.sales");
  g_autoptr (TavrelModelDataRowModel) only = make (true);
  tavrel_model_data_table_model_append (shorter, only);
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, tavrel_model_transform_patcher_diff_data_table (patcher, before, shorter, &table));
  EXPECT_EQ (1, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (tavrel_model_data_table_model_get_rows (table))));
  g_clear_object (&table);

  /* A data set of one table changed and one not. */
  g_autoptr (TavrelModelDataDataSetModel) set1 = tavrel_model_data_data_set_model_new ();
  g_autoptr (TavrelModelDataDataSetModel) set2 = tavrel_model_data_data_set_model_new ();
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tavrel_model_data_data_set_model_get_tables (set1)), before);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tavrel_model_data_data_set_model_get_tables (set1)), before);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tavrel_model_data_data_set_model_get_tables (set2)), before);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tavrel_model_data_data_set_model_get_tables (set2)), after);
  TavrelModelDataDataSetModel *set = nullptr;
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, tavrel_model_transform_patcher_diff_data_set (patcher, set1, set2, &set));
  EXPECT_EQ (1, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (tavrel_model_data_data_set_model_get_tables (set))));
  g_clear_object (&set);
}

TEST_F (Patcher, BadArgumentsAreRefusedWithInitial)
{
  g_autoptr (TavrelModelMetaMetaTable) table = tavrel_model_meta_meta_table_new ();
  g_autoptr (TavrelModelMetaMetaView) view = tavrel_model_meta_meta_view_new ();
  g_autoptr (TavrelModelDataRowModel) r = tavrel_model_data_row_model_new ();
  g_autoptr (TavrelModelDataTableModel) t = tavrel_model_data_table_model_new ();
  TavrelModelDataRowModel *untouched = r;
  struct Case {
    const char *function;
    const char *condition;
    std::function<TavrelModelTransformDataVersion ()> call;
  };
  const Case cases[] = {
      {"tavrel_model_transform_patcher_diff_model", "object_source.get_type() == object_target.get_type()",
       [&] { return diff (table, view); }},
      {"tavrel_model_transform_patcher_diff_model", "object_source != NULL", [&] { return diff (nullptr, table); }},
      {"tavrel_model_transform_patcher_diff_object", "object_target != NULL",
       [&] { return tavrel_model_transform_patcher_diff_object (patcher, G_OBJECT (r), nullptr); }},
      {"tavrel_model_transform_patcher_diff_object", "object_source.get_type() == object_target.get_type()",
       [&] { return tavrel_model_transform_patcher_diff_object (patcher, G_OBJECT (r), G_OBJECT (t)); }},
      {"tavrel_model_transform_patcher_diff_data_row", "source != NULL",
       [&] { return tavrel_model_transform_patcher_diff_data_row (patcher, nullptr, r, &untouched); }},
      {"tavrel_model_transform_patcher_diff_data_table", "target != NULL",
       [&] { return tavrel_model_transform_patcher_diff_data_table (patcher, t, nullptr, nullptr); }},
      {"tavrel_model_transform_patcher_diff_data_set", "self != NULL",
       [&] { return tavrel_model_transform_patcher_diff_data_set (nullptr, nullptr, nullptr, nullptr); }},
  };
  for (const Case &c : cases) {
    EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL, c.call ()) << c.condition;
    expect_critical (lmtest::critical_text (c.function, c.condition));
  }
  EXPECT_EQ (r, untouched);

  /* Two objects of one class without properties, and two equal ones. */
  g_autoptr (GObject) o1 = G_OBJECT (g_object_new (G_TYPE_OBJECT, nullptr));
  g_autoptr (GObject) o2 = G_OBJECT (g_object_new (G_TYPE_OBJECT, nullptr));
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL, tavrel_model_transform_patcher_diff_object (patcher, o1, o2));
  g_autoptr (TavrelModelDataColumnModel) c1 = tavrel_model_data_column_model_new_full ("id", TAVREL_MODEL_DATA_DATA_TYPE_INT32);
  g_autoptr (TavrelModelDataColumnModel) c2 = tavrel_model_data_column_model_new_full ("id", TAVREL_MODEL_DATA_DATA_TYPE_INT32);
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL, tavrel_model_transform_patcher_diff_object (patcher, G_OBJECT (c1), G_OBJECT (c2)));
  tavrel_model_data_column_model_set_title (c2, "Id");
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE, tavrel_model_transform_patcher_diff_object (patcher, G_OBJECT (c1), G_OBJECT (c2)));
}

/* Rows paired by key: moved rows and rows of a repeated key pair in order;
 * the patched table lists changed and deleted rows in the source's order,
 * then the inserted ones. */
TEST_F (Patcher, TablesComparedByKey)
{
  auto table_of = [] (std::initializer_list<std::pair<const char *, const char *>> rows) {
    TavrelModelDataTableModel *t = tavrel_model_data_table_model_new ();
    for (auto [key, text] : rows) {
      g_autoptr (TavrelModelDataRowModel) r = row ({tavrel_model_data_value_string_new (key), tavrel_model_data_value_string_new (text)});
      tavrel_model_data_table_model_append (t, r);
    }
    return t;
  };
  g_autoptr (TavrelModelDataTableModel) source = table_of ({{"k1", "a"}, {"k2", "b"}, {"k3", "c"}, {"k3", "d"}, {"k5", "f"}});
  g_autoptr (TavrelModelDataTableModel) target = table_of ({{"k3", "c"}, {"k1", "a2"}, {"k4", "e"}, {"k3", "d"}, {"k5", "f"}});
  const gint keys[] = {0};
  TavrelModelDataTableModel *patched = nullptr;
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE,
             tavrel_model_transform_patcher_diff_data_table_by_key (patcher, source, target, keys, 1, &patched));
  ASSERT_NE (nullptr, patched);
  std::vector<std::string> seen;
  for (guint i = 0; i < g_list_model_get_n_items (G_LIST_MODEL (patched)); i++) {
    g_autoptr (TavrelModelDataRowModel) r = TAVREL_MODEL_DATA_ROW_MODEL (g_list_model_get_item (G_LIST_MODEL (patched), i));
    g_autoptr (TavrelModelDataValueObject) key = tavrel_model_data_row_model_get_value_at (r, 0);
    g_autoptr (TavrelModelDataValueObject) text = tavrel_model_data_row_model_get_value_at (r, 1);
    seen.push_back (take_string (tavrel_model_transform_data_version_to_string (tavrel_model_data_row_model_get_version (r))) + " " +
                    lmtest::render (key) + " " + lmtest::render (text) + " " + std::to_string (tag (r, 1)));
  }
  EXPECT_EQ ((std::vector<std::string>{"UPDATE k1 a2 8", "DELETE k2 b 0", "INSERT k4 e 4"}), seen);
  g_clear_object (&patched);

  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL,
             tavrel_model_transform_patcher_diff_data_table_by_key (patcher, source, source, keys, 1, &patched));
  EXPECT_EQ (nullptr, patched);

  /* Keys that render alike but differ: doubles past two decimals, bytes
   * after a zero byte, NULL and "": no pair, so each is deleted and
   * inserted rather than updated. */
  auto keyed = [] (std::initializer_list<gpointer> keys) {
    TavrelModelDataTableModel *t = tavrel_model_data_table_model_new ();
    for (gpointer key : keys) {
      g_autoptr (TavrelModelDataRowModel) r = row ({key, tavrel_model_data_value_string_new ("v")});
      tavrel_model_data_table_model_append (t, r);
    }
    return t;
  };
  const guint8 bytes_a[] = {1, 0, 2}, bytes_b[] = {1, 0, 3};
  g_autoptr (TavrelModelDataTableModel) near_source = keyed (
      {tavrel_model_data_value_double_new (1.004), tavrel_model_data_value_binary_new (bytes_a, 3), tavrel_model_data_value_null_new ()});
  g_autoptr (TavrelModelDataTableModel) near_target = keyed (
      {tavrel_model_data_value_double_new (1.001), tavrel_model_data_value_binary_new (bytes_b, 3), tavrel_model_data_value_string_new ("")});
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE,
             tavrel_model_transform_patcher_diff_data_table_by_key (patcher, near_source, near_target, keys, 1, &patched));
  EXPECT_EQ (6u, g_list_model_get_n_items (G_LIST_MODEL (patched)));
  g_clear_object (&patched);
  const gint negative[] = {0, -1};
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL,
             tavrel_model_transform_patcher_diff_data_table_by_key (patcher, source, target, negative, 2, nullptr));
  expect_critical (lmtest::critical_text ("tavrel_model_transform_patcher_diff_data_table_by_key", "keys[k] >= 0"));
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL,
             tavrel_model_transform_patcher_diff_data_table_by_key (patcher, source, target, keys, 0, nullptr));
  expect_critical (lmtest::critical_text ("tavrel_model_transform_patcher_diff_data_table_by_key", "n_keys > 0"));
}
