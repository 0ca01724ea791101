/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Tables: construction from a statement, cells, row edits and edit marks,
 * and what list observers see of it all. */

#include <array>
#include <utility>
#include <string>
#include <vector>

#include "tests/support.h"

using lmtest::NotifyCounter;
using lmtest::take_string;
using lmtest::Watch;

namespace {

using Change = std::array<guint, 3>;

constexpr auto INITIAL = TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL;
constexpr auto IDENTICAL = TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL;
constexpr auto DELETE = TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE;
constexpr auto INSERT = TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT;
constexpr auto UPDATE = TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE;

/*
 * Follows a list model from its items-changed signals alone, as a list view
 * does: each announcement is applied to a copy of the items, reading the
 * added ones from the model.  It holds references, so an address cannot be
 * reused by a new row while the copy still names the old one.
 */
class Mirror {
 public:
  explicit Mirror (gpointer model) : model_ (G_LIST_MODEL (model))
  {
    guint n = g_list_model_get_n_items (model_);
    for (guint i = 0; i < n; i++)
      items_.push_back (g_list_model_get_item (model_, i));
    handler_ = g_signal_connect (model_, "items-changed", G_CALLBACK (on_items_changed), this);
  }
  Mirror (const Mirror &) = delete;
  Mirror &operator= (const Mirror &) = delete;
  ~Mirror ()
  {
    g_signal_handler_disconnect (model_, handler_);
    for (gpointer item : items_)
      if (item)
        g_object_unref (item);
  }

  /* The copy and the model hold the same objects in the same order. */
  void expect_matches (const std::string &step) const
  {
    guint n = g_list_model_get_n_items (model_);
    ASSERT_EQ (n, items_.size ()) << "after " << step;
    for (guint i = 0; i < n; i++) {
      gpointer item = g_list_model_get_item (model_, i);
      EXPECT_EQ (item, items_[i]) << "after " << step << ", at " << i;
      if (item)
        g_object_unref (item);
    }
  }

  /* The announcements since the last call. */
  std::vector<Change> take_changes () { return std::exchange (changes_, {}); }

 private:
  static void on_items_changed (GListModel *model, guint position, guint removed, guint added, Mirror *self)
  {
    self->changes_.push_back ({position, removed, added});
    auto &items = self->items_;
    if (position > items.size () || removed > items.size () - position) {
      ADD_FAILURE () << "announced (" << position << ", " << removed << ", " << added << ") on " << items.size ()
                     << " items";
      return;
    }
    for (guint i = 0; i < removed; i++)
      if (items[position + i])
        g_object_unref (items[position + i]);
    items.erase (items.begin () + position, items.begin () + position + removed);
    for (guint i = 0; i < added; i++)
      items.insert (items.begin () + position + i, g_list_model_get_item (model, position + i));
    if (items.size () != g_list_model_get_n_items (model))
      ADD_FAILURE () << "announced (" << position << ", " << removed << ", " << added
                     << ") before the change was complete";
  }

  GListModel *model_;
  gulong handler_ = 0;
  std::vector<gpointer> items_;
  std::vector<Change> changes_;
};

class Tables : public lmtest::Test {
 protected:
  /* A row holding an error value for each code, in order, at version. */
  static TavrelModelDataRowModel *row_of (std::initializer_list<int> codes,
                                          TavrelModelTransformDataVersion version = INITIAL)
  {
    TavrelModelDataRowModel *row = lmtest::row_of (codes);
    tavrel_model_data_row_model_set_version (row, version);
    return row;
  }

  /* Appends a new row and drops the test's reference: the table holds it. */
  static TavrelModelDataRowModel *add (TavrelModelDataTableModel *table, std::initializer_list<int> codes,
                                       TavrelModelTransformDataVersion version = INITIAL)
  {
    TavrelModelDataRowModel *row = row_of (codes, version);
    tavrel_model_data_table_model_append (table, row);
    g_object_unref (row);
    return row;
  }

  static std::string text_at (TavrelModelDataTableModel *table, gint col, gint row)
  {
    g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_table_model_get_value_at (table, col, row);
    return value ? take_string (tavrel_model_data_value_object_to_string (value)) : "<none>";
  }

  static gint n_rows (TavrelModelDataTableModel *table)
  {
    return gint (g_list_model_get_n_items (G_LIST_MODEL (table)));
  }

  static TavrelModelDataRowModel *row_at (TavrelModelDataTableModel *table, gint position)
  {
    return static_cast<TavrelModelDataRowModel *> (g_list_model_get_item (G_LIST_MODEL (table), guint (position)));
  }

  /* The table holds the row; the test only looks at it. */
  static TavrelModelDataRowModel *row_borrowed (TavrelModelDataTableModel *table, gint position)
  {
    TavrelModelDataRowModel *row = row_at (table, position);
    g_object_unref (row);
    return row;
  }

  static TavrelModelTransformDataVersion version_at (TavrelModelDataTableModel *table, gint position)
  {
    g_autoptr (TavrelModelDataRowModel) row = row_at (table, position);
    return tavrel_model_data_row_model_get_version (row);
  }
};

struct TestTable {
  TavrelModelDataTableModel parent_instance;
};
struct TestTableClass {
  TavrelModelDataTableModelClass parent_class;
};
G_DEFINE_TYPE (TestTable, test_table, TAVREL_MODEL_DATA_TYPE_TABLE_MODEL)
static void
test_table_class_init (TestTableClass *)
{
}
static void
test_table_init (TestTable *)
{
}

}  // namespace

TEST_F (Tables, NewTablesAreEmpty)
{
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new ();
  EXPECT_STREQ ("", tavrel_model_data_table_model_get_entity (table));
  EXPECT_STREQ ("", tavrel_model_data_table_model_get_schema (table));
  EXPECT_STREQ ("", tavrel_model_data_table_model_get_statements (table));
  EXPECT_EQ (0, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (tavrel_model_data_table_model_get_rows (table))));
  EXPECT_EQ (0, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (tavrel_model_data_table_model_get_columns (table))));
  EXPECT_EQ (0, n_rows (table));
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_ROW_MODEL, g_list_model_get_item_type (G_LIST_MODEL (table)));
  EXPECT_TRUE (G_TYPE_CHECK_INSTANCE_TYPE (table, TAVREL_MODEL_DATA_TYPE_IRESULT));
  EXPECT_STREQ ("TavrelModelDataIResult", g_type_name (TAVREL_MODEL_DATA_TYPE_IRESULT));

  /* Properties in their order, all read-only; the lists are the live ones. */
  guint n = 0;
  g_autofree GParamSpec **pspecs = g_object_class_list_properties (G_OBJECT_GET_CLASS (table), &n);
  ASSERT_EQ (5u, n);
  const char *names[] = {"entity", "schema", "statements", "rows", "columns"};
  for (guint i = 0; i < n; i++) {
    EXPECT_STREQ (names[i], pspecs[i]->name);
    EXPECT_FALSE (pspecs[i]->flags & G_PARAM_WRITABLE) << names[i];
  }
  GeeArrayList *rows = nullptr, *columns = nullptr;
  g_autofree gchar *entity = nullptr;
  g_object_get (table, "rows", &rows, "columns", &columns, "entity", &entity, nullptr);
  EXPECT_EQ (tavrel_model_data_table_model_get_rows (table), rows);
  EXPECT_EQ (tavrel_model_data_table_model_get_columns (table), columns);
  EXPECT_STREQ ("", entity);
  g_object_unref (rows);
  g_object_unref (columns);

  g_autoptr (TavrelModelDataTableModel) named = tavrel_model_data_table_model_new_with_names ("sales", "orders");
  EXPECT_STREQ ("sales", tavrel_model_data_table_model_get_schema (named));
  EXPECT_STREQ ("orders", tavrel_model_data_table_model_get_entity (named));
  EXPECT_STREQ ("", tavrel_model_data_table_model_get_statements (named));

  g_autoptr (TavrelModelDataTableModel) derived = tavrel_model_data_table_model_construct_with_sql (
      test_table_get_type (), "SELECT * FROM t");
  EXPECT_EQ (test_table_get_type (), G_OBJECT_TYPE (derived));
  EXPECT_STREQ ("t", tavrel_model_data_table_model_get_entity (derived));
  EXPECT_EQ (nullptr, tavrel_model_data_table_model_construct (TAVREL_MODEL_DATA_TYPE_ROW_MODEL));
  expect_critical (
      "tavrel_model_data_table_model_construct: assertion 'g_type_is_a (object_type, "
      "TAVREL_MODEL_DATA_TYPE_TABLE_MODEL)' failed");
}

TEST_F (Tables, ColumnsFromKinds)
{
  const TavrelModelDataDataType kinds[] = {TAVREL_MODEL_DATA_DATA_TYPE_INT32, TAVREL_MODEL_DATA_DATA_TYPE_STRING,
                                           TAVREL_MODEL_DATA_DATA_TYPE_INT32};
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_types (kinds, 3);
  GeeArrayList *columns = tavrel_model_data_table_model_get_columns (table);
  ASSERT_EQ (3, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns)));
  g_autoptr (TavrelModelDataColumnModel) first = TAVREL_MODEL_DATA_COLUMN_MODEL (gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), 0));
  g_autoptr (TavrelModelDataColumnModel) last = TAVREL_MODEL_DATA_COLUMN_MODEL (gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), 2));
  g_autoptr (TavrelModelDataColumnModel) middle = TAVREL_MODEL_DATA_COLUMN_MODEL (gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), 1));
  EXPECT_NE (first, last) << "one column object per kind";
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_STRING, tavrel_model_data_column_model_get_data_type (middle));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_INT32, tavrel_model_data_column_model_get_data_type (last));
  EXPECT_STREQ ("", tavrel_model_data_column_model_get_name (middle));
  EXPECT_EQ (0u, tavrel_model_data_column_model_get_data_size (middle));
  EXPECT_STREQ ("", tavrel_model_data_table_model_get_entity (table));
  EXPECT_EQ (0, n_rows (table));

  g_autoptr (TavrelModelDataTableModel) none = tavrel_model_data_table_model_new_with_types (nullptr, 0);
  ASSERT_NE (nullptr, none);
  EXPECT_EQ (0, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (tavrel_model_data_table_model_get_columns (none))));

  EXPECT_EQ (nullptr, tavrel_model_data_table_model_new_with_types (nullptr, 2));
  expect_critical ("tavrel_model_data_table_model_new_with_types: assertion 'types != NULL || n_types == 0' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_table_model_new_with_types (kinds, -1));
  expect_critical ("tavrel_model_data_table_model_new_with_types: assertion 'n_types >= 0' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_table_model_construct_with_types (TAVREL_MODEL_DATA_TYPE_ROW_MODEL, kinds, 1));
  expect_critical (
      "tavrel_model_data_table_model_construct_with_types: assertion 'g_type_is_a (object_type, "
      "TAVREL_MODEL_DATA_TYPE_TABLE_MODEL)' failed");
}

TEST_F (Tables, EntityAndSchemaFromTheFromClause)
{
  struct Case {
    const char *sql, *schema, *entity;
  };
  const Case cases[] = {
      {"select a from s.t;", "s", "t"},
      {"SELECT * FROM [dbo].[orders] ORDER BY id", "dbo", "orders"},
      {"SELECT * FROM `shop`.`items` WHERE id = 1", "shop", "items"},
      {"SELECT * FROM \"public\".\"users\" LIMIT 10", "public", "users"},
      {"SELECT * FROM db.sch.tbl WHERE x = 1", "sch", "tbl"},
      {"SELECT * FROM [db].[sch].[tbl] WHERE x = 1", "sch", "tbl"},
      {"SELECT * FROM a.b.c.d WHERE x = 1", "", "a"},
      {"SELECT * FROM t1, t2", "", "t1"},
      {"SELECT * FROM t1 JOIN t2 ON t1.a = t2.a", "", "t1"},
      {"SELECT * FROM t1 LEFT JOIN t2 ON t1.a = t2.a", "", "t1"},
      {"DELETE FROM log WHERE at < now()", "", "log"},
      {"SeLeCt * fRoM Mixed wHeRe a = 1", "", "Mixed"},
      /* Only the first match counts. */
      {"SELECT * FROM a WHERE b IN (SELECT c FROM s.d WHERE e)", "", "a"},
      /* An alias names no entity. */
      {"SELECT * FROM t1 x WHERE a=1", "", ""},
      {"SELECT * FROM t1 x", "", ""},
      {"UPDATE t SET a = 1", "", ""},
      {"", "", ""},
      /* The statement may end right after the name. */
      {"SELECT * FROM t", "", "t"},
      {"select * from s.t", "s", "t"},
      {"SELECT * FROM t  \t", "", "t"},
      /* A name that ends in a keyword is a name, not a name and a keyword. */
      {"SELECT * FROM sale_order o WHERE o.id = 1", "", ""},
      {"SELECT * FROM sale_order", "", "sale_order"},
      {"SELECT * FROM orders_full;", "", "orders_full"},
      /* Only quotes: nothing to name, and the entity stays a string. */
      {"SELECT * FROM \"\" WHERE a = 1", "", ""},
      {"SELECT * FROM caf\xc3\xa9 WHERE a = 1", "", "caf\xc3\xa9"},
      /* The end of the statement is the end of the text, not of a line:
       * a name at the end of a line may have its alias on the next. */
      {"SELECT *\nFROM t\nWHERE a = 1", "", "t"},
      {"SELECT *\r\nFROM s.t\r\n", "s", "t"},
      {"SELECT * FROM t1\nJOIN t2 ON t1.a = t2.a", "", "t1"},
      {"SELECT * FROM t\n  x\nWHERE a = 1", "", ""},
      {"SELECT * FROM t\nx", "", ""},
  };
  for (const Case &c : cases) {
    g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_sql (c.sql);
    EXPECT_STREQ (c.schema, tavrel_model_data_table_model_get_schema (table)) << c.sql;
    EXPECT_STREQ (c.entity, tavrel_model_data_table_model_get_entity (table)) << c.sql;
    EXPECT_STREQ (c.sql, tavrel_model_data_table_model_get_statements (table));
  }

  for (const char *keyword : {"WHERE", "LIMIT", "GROUP", "ORDER", "UNION", "CROSS", "NATURAL", "LEFT", "RIGHT", "FULL",
                              "INNER", "JOIN", ";", ",", "where", "Limit", "gRoUp"}) {
    std::string sql = std::string ("SELECT * FROM s.t ") + keyword + " x";
    g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_sql (sql.c_str ());
    EXPECT_STREQ ("t", tavrel_model_data_table_model_get_entity (table)) << sql;
    EXPECT_STREQ ("s", tavrel_model_data_table_model_get_schema (table)) << sql;
  }
}

TEST_F (Tables, AStatementThatIsNotUtf8KeepsItsText)
{
  const char *sql = "SELECT * FROM caf\xe9 WHERE a = 1";
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_sql (sql);
  ASSERT_NE (nullptr, table);
  EXPECT_STREQ (sql, tavrel_model_data_table_model_get_statements (table));
  EXPECT_STREQ ("", tavrel_model_data_table_model_get_entity (table));
  std::vector<lmtest::LogRecord> log = take_log ();
  ASSERT_EQ (1u, log.size ());
  EXPECT_TRUE (log[0].level & G_LOG_LEVEL_CRITICAL);
  EXPECT_EQ (0u, log[0].message.find ("file ")) << log[0].message;
  EXPECT_NE (std::string::npos, log[0].message.find ("model_table.cpp: line ")) << log[0].message;
  EXPECT_NE (std::string::npos, log[0].message.find (": unexpected error: ")) << log[0].message;
  EXPECT_NE (std::string::npos, log[0].message.find ("(g-regex-error-quark, ")) << log[0].message;
}

TEST_F (Tables, MetadataReplacesTheNamesQuietly)
{
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_sql ("SELECT * FROM a.b;");
  NotifyCounter entity (table, "entity"), schema (table, "schema");
  tavrel_model_data_table_model_metadata (table, "s2", "e2");
  EXPECT_STREQ ("s2", tavrel_model_data_table_model_get_schema (table));
  EXPECT_STREQ ("e2", tavrel_model_data_table_model_get_entity (table));
  EXPECT_STREQ ("SELECT * FROM a.b;", tavrel_model_data_table_model_get_statements (table));
  EXPECT_EQ (0, entity.count ());
  EXPECT_EQ (0, schema.count ());

  tavrel_model_data_table_model_metadata (table, nullptr, "x");
  expect_critical ("tavrel_model_data_table_model_metadata: assertion 'schema_ != NULL' failed");
  tavrel_model_data_table_model_metadata (table, "x", nullptr);
  expect_critical ("tavrel_model_data_table_model_metadata: assertion 'entity_ != NULL' failed");
  EXPECT_STREQ ("s2", tavrel_model_data_table_model_get_schema (table));
  EXPECT_STREQ ("e2", tavrel_model_data_table_model_get_entity (table));
}

TEST_F (Tables, CellsAreReachedByColumnAndRow)
{
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new ();
  add (table, {1, 2, 3});
  add (table, {4});
  EXPECT_EQ ("2:e", text_at (table, 1, 0));
  EXPECT_EQ ("3:e", text_at (table, 2, 0));
  EXPECT_EQ ("4:e", text_at (table, 0, 1));
  /* Each row has its own count of values. */
  EXPECT_EQ ("<none>", text_at (table, 1, 1));
  EXPECT_EQ ("<none>", text_at (table, 3, 0));
  EXPECT_EQ ("<none>", text_at (table, -1, 0));
  EXPECT_EQ ("<none>", text_at (table, 0, 2));
  EXPECT_EQ ("<none>", text_at (table, 0, -1));
  EXPECT_EQ (0u, take_log ().size ()) << "reading outside the table is not an error";

  Mirror mirror (table);
  tavrel_model_data_row_model_set_version (row_borrowed (table, 0), UPDATE);
  g_autoptr (TavrelModelDataValueError) value = tavrel_model_data_value_error_new (9, "new");
  auto *base = TAVREL_MODEL_DATA_VALUE_OBJECT (value);
  TavrelModelDataValueObject *old_value = tavrel_model_data_table_model_get_value_at (table, 2, 0);
  Watch old_watch (old_value);
  g_object_unref (old_value);
  tavrel_model_data_table_model_set_value_at (table, 2, 0, base);
  EXPECT_EQ ("9:new", text_at (table, 2, 0));
  EXPECT_TRUE (old_watch.finalized ()) << "the row released the value it replaced";
  EXPECT_EQ (UPDATE, version_at (table, 0));
  tavrel_model_data_table_model_set_value_at (table, 0, 1, base);
  EXPECT_EQ ("9:new", text_at (table, 0, 1));
  EXPECT_EQ (INITIAL, version_at (table, 1));
  EXPECT_TRUE (mirror.take_changes ().empty ()) << "cell edits change no rows";
}

TEST_F (Tables, SetValueAtOutsideTheTableChangesNothing)
{
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new ();
  add (table, {1, 2});
  add (table, {3});
  g_autoptr (TavrelModelDataValueError) value = tavrel_model_data_value_error_new (9, "new");
  auto *base = TAVREL_MODEL_DATA_VALUE_OBJECT (value);

  for (gint row : {-1, 2, G_MININT, G_MAXINT}) {
    tavrel_model_data_table_model_set_value_at (table, 0, row, base);
    expect_critical ("tavrel_model_data_table_model_set_value_at: assertion '0 <= row && row < m_rows.size' failed");
  }
  for (auto [col, row] : std::initializer_list<std::pair<gint, gint>>{{2, 0}, {-1, 0}, {1, 1}, {G_MAXINT, 1}}) {
    tavrel_model_data_table_model_set_value_at (table, col, row, base);
    expect_critical (
        "tavrel_model_data_table_model_set_value_at: assertion '0 <= col && col < m_rows[row].values.size' failed");
  }
  tavrel_model_data_table_model_set_value_at (table, 0, 0, nullptr);
  expect_critical ("tavrel_model_data_table_model_set_value_at: assertion 'value != NULL' failed");
  g_autoptr (TavrelModelDataRowModel) stranger = tavrel_model_data_row_model_new ();
  tavrel_model_data_table_model_set_value_at (table, 0, 0, (TavrelModelDataValueObject *) stranger);
  expect_critical (
      "tavrel_model_data_table_model_set_value_at: assertion 'TAVREL_MODEL_DATA_IS_VALUE_OBJECT (value)' failed");

  EXPECT_EQ ("1:e", text_at (table, 0, 0));
  EXPECT_EQ ("2:e", text_at (table, 1, 0));
  EXPECT_EQ ("3:e", text_at (table, 0, 1));
  EXPECT_EQ (2, n_rows (table));
  EXPECT_EQ (1u, g_list_model_get_n_items (G_LIST_MODEL (row_borrowed (table, 1))));
}

TEST_F (Tables, RowsAreAddedFoundAndRemovedByIdentity)
{
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new ();
  Mirror mirror (table);
  g_autoptr (TavrelModelDataRowModel) a = row_of ({1});
  g_autoptr (TavrelModelDataRowModel) b = row_of ({2});
  g_autoptr (TavrelModelDataRowModel) c = row_of ({3});
  g_autoptr (TavrelModelDataRowModel) twin = row_of ({1});

  EXPECT_EQ (0, tavrel_model_data_table_model_append (table, a));
  EXPECT_EQ (1, tavrel_model_data_table_model_append (table, b));
  EXPECT_EQ (0, tavrel_model_data_table_model_insert (table, 0, c));
  EXPECT_EQ (3, tavrel_model_data_table_model_insert (table, -1, twin));
  EXPECT_EQ ((std::vector<Change>{{0, 0, 1}, {1, 0, 1}, {0, 0, 1}, {3, 0, 1}}), mirror.take_changes ());
  /* c a b twin */
  gint position = -7;
  EXPECT_TRUE (tavrel_model_data_table_model_find (table, b, &position));
  EXPECT_EQ (2, position);
  EXPECT_TRUE (tavrel_model_data_table_model_find (table, twin, nullptr));

  /* A row already there is added again where asked; the result is where
   * the row is found first, the announcement where it was added. */
  EXPECT_EQ (1, tavrel_model_data_table_model_append (table, a));
  EXPECT_EQ (2, tavrel_model_data_table_model_insert (table, 3, b));
  EXPECT_EQ (0, tavrel_model_data_table_model_insert (table, 6, c));
  EXPECT_EQ ((std::vector<Change>{{4, 0, 1}, {3, 0, 1}, {6, 0, 1}}), mirror.take_changes ());
  mirror.expect_matches ("adding rows again");
  /* c a b b twin a c */
  EXPECT_EQ (7, n_rows (table));

  tavrel_model_data_table_model_delete (table, b);
  EXPECT_EQ ((std::vector<Change>{{2, 1, 0}}), mirror.take_changes ());
  EXPECT_TRUE (tavrel_model_data_table_model_find (table, b, &position));
  EXPECT_EQ (2, position);

  g_autoptr (TavrelModelDataRowModel) gone = row_of ({4});
  tavrel_model_data_table_model_delete (table, gone);
  EXPECT_TRUE (mirror.take_changes ().empty ()) << "deleting a row not in the table changes nothing";
  position = -7;
  EXPECT_FALSE (tavrel_model_data_table_model_find (table, gone, &position));
  EXPECT_EQ (0, position);

  /* Equal content is not the same row. */
  tavrel_model_data_table_model_delete (table, twin);
  position = -7;
  EXPECT_FALSE (tavrel_model_data_table_model_find (table, twin, &position));
  EXPECT_EQ (0, position);
  EXPECT_TRUE (tavrel_model_data_table_model_find (table, a, &position));
  EXPECT_EQ (1, position);
  mirror.take_changes ();

  /* c a b a c */
  TavrelModelDataRowModel *taken = tavrel_model_data_table_model_delete_at (table, 4);
  EXPECT_EQ (c, taken);
  g_object_unref (taken);
  EXPECT_EQ ((std::vector<Change>{{4, 1, 0}}), mirror.take_changes ());
  for (gint bad : {4, -1, G_MAXINT, G_MININT})
    EXPECT_EQ (nullptr, tavrel_model_data_table_model_delete_at (table, bad));
  EXPECT_TRUE (mirror.take_changes ().empty ());
  EXPECT_EQ (4, n_rows (table));
  mirror.expect_matches ("removing rows");
}

/* A row that only its caller holds is not in the table yet: its position
 * is where it was put, found without a scan; any row the table may already
 * hold is still looked up. */
TEST_F (Tables, FillingRowByRowGivesEachRowItsPlace)
{
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new ();
  Mirror mirror (table);
  for (gint i = 0; i < 3; i++) {
    TavrelModelDataRowModel *fresh = row_of ({i});
    EXPECT_EQ (i, tavrel_model_data_table_model_append (table, fresh));
    g_object_unref (fresh);
  }
  TavrelModelDataRowModel *front = row_of ({9});
  EXPECT_EQ (1, tavrel_model_data_table_model_insert (table, 1, front));
  g_object_unref (front);

  /* A row taken back from the table is held twice and found first. */
  auto *first = static_cast<TavrelModelDataRowModel *> (g_list_model_get_item (G_LIST_MODEL (table), 0));
  EXPECT_EQ (0, tavrel_model_data_table_model_append (table, first));
  EXPECT_EQ (0, tavrel_model_data_table_model_insert (table, 3, first));
  g_object_unref (first);
  EXPECT_EQ (6, n_rows (table));
  mirror.expect_matches ("filling row by row");
}

TEST_F (Tables, InsertBeyondTheEndChangesNothing)
{
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new ();
  add (table, {1});
  Mirror mirror (table);
  g_autoptr (TavrelModelDataRowModel) row = row_of ({2});
  Watch watch (row);
  for (gint bad : {2, G_MAXINT}) {
    EXPECT_EQ (-1, tavrel_model_data_table_model_insert (table, bad, row));
    expect_critical ("tavrel_model_data_table_model_insert: assertion 'position <= m_rows.size' failed");
  }
  EXPECT_EQ (1, n_rows (table));
  EXPECT_FALSE (tavrel_model_data_table_model_find (table, row, nullptr));
  EXPECT_TRUE (mirror.take_changes ().empty ());
  EXPECT_EQ (1, tavrel_model_data_table_model_insert (table, 1, row));
  EXPECT_EQ (1, tavrel_model_data_table_model_insert (table, G_MININT, row));
  EXPECT_EQ (3, n_rows (table));
}

TEST_F (Tables, ClearAnnouncesEveryRow)
{
  const TavrelModelDataDataType kinds[] = {TAVREL_MODEL_DATA_DATA_TYPE_INT32};
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_types (kinds, 1);
  GeeArrayList *columns = tavrel_model_data_table_model_get_columns (table);
  add (table, {1});
  add (table, {2});
  add (table, {3});
  Mirror mirror (table);

  tavrel_model_data_table_model_clear (table, FALSE);
  EXPECT_EQ ((std::vector<Change>{{0, 3, 0}}), mirror.take_changes ());
  EXPECT_EQ (0, n_rows (table));
  EXPECT_EQ (1, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns)));

  tavrel_model_data_table_model_clear (table, FALSE);
  EXPECT_EQ ((std::vector<Change>{{0, 0, 0}}), mirror.take_changes ()) << "announced also when empty";

  add (table, {4});
  mirror.take_changes ();
  tavrel_model_data_table_model_clear (table, TRUE);
  EXPECT_EQ ((std::vector<Change>{{0, 1, 0}}), mirror.take_changes ());
  EXPECT_EQ (0, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (columns)));
  EXPECT_EQ (columns, tavrel_model_data_table_model_get_columns (table)) << "the list itself stays";
}

TEST_F (Tables, NewRowsHoldDefaultsAndAreMarkedInsert)
{
  const TavrelModelDataDataType kinds[] = {TAVREL_MODEL_DATA_DATA_TYPE_INT32, TAVREL_MODEL_DATA_DATA_TYPE_STRING,
                                           TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN};
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_types (kinds, 3);
  Mirror mirror (table);
  g_autoptr (TavrelModelDataRowModel) row = tavrel_model_data_table_model_new_row (table);
  ASSERT_NE (nullptr, row);
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT, tavrel_model_data_row_model_get_version (row));
  ASSERT_EQ (3u, g_list_model_get_n_items (G_LIST_MODEL (row)));
  const GType expected[] = {TAVREL_MODEL_DATA_TYPE_VALUE_INT32, TAVREL_MODEL_DATA_TYPE_VALUE_STRING,
                            TAVREL_MODEL_DATA_TYPE_VALUE_BOOLEAN};
  const char *texts[] = {"0", "", "false"};
  for (gint i = 0; i < 3; i++) {
    g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_row_model_get_value_at (row, i);
    EXPECT_EQ (expected[i], G_OBJECT_TYPE (value)) << i;
    EXPECT_EQ (texts[i], take_string (tavrel_model_data_value_object_to_string (value)));
  }
  EXPECT_EQ (0, n_rows (table)) << "a new row is not added";
  EXPECT_TRUE (mirror.take_changes ().empty ());

  /* Added and then marked for deletion, a row never stored goes at once. */
  EXPECT_EQ (0, tavrel_model_data_table_model_append (table, row));
  tavrel_model_data_table_model_update_row_version (table, 0, TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE);
  EXPECT_EQ (0, n_rows (table));
  EXPECT_EQ ((std::vector<Change>{{0, 0, 1}, {0, 1, 0}}), mirror.take_changes ());

  /* No columns, no cells; a null column entry still holds its place. */
  g_autoptr (TavrelModelDataTableModel) bare = tavrel_model_data_table_model_new ();
  g_autoptr (TavrelModelDataRowModel) empty = tavrel_model_data_table_model_new_row (bare);
  EXPECT_EQ (0u, g_list_model_get_n_items (G_LIST_MODEL (empty)));
  GeeArrayList *columns = tavrel_model_data_table_model_get_columns (bare);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (columns), nullptr);
  g_autoptr (TavrelModelDataColumnModel) money = tavrel_model_data_column_model_new_with_type (TAVREL_MODEL_DATA_DATA_TYPE_MONEY);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (columns), money);
  g_autoptr (TavrelModelDataRowModel) gapped = tavrel_model_data_table_model_new_row (bare);
  ASSERT_EQ (2u, g_list_model_get_n_items (G_LIST_MODEL (gapped)));
  g_autoptr (TavrelModelDataValueObject) second = tavrel_model_data_row_model_get_value_at (gapped, 1);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_MONEY, G_OBJECT_TYPE (second));

  EXPECT_EQ (nullptr, tavrel_model_data_table_model_new_row (nullptr));
  expect_critical ("tavrel_model_data_table_model_new_row: assertion 'self != NULL' failed");
}

TEST_F (Tables, EditMarksFollowTheTransitionTable)
{
  const TavrelModelTransformDataVersion befores[] = {INITIAL, IDENTICAL, DELETE, INSERT, UPDATE};
  struct Mark {
    TavrelModelTransformDataVersion mark;
    TavrelModelTransformDataVersion after[5]; /* for each version before, in the order above */
  };
  constexpr auto REMOVED = TavrelModelTransformDataVersion (16);
  const Mark marks[] = {
      {DELETE, {DELETE, DELETE, DELETE, REMOVED, DELETE}},
      {UPDATE, {UPDATE, IDENTICAL, DELETE, INSERT, UPDATE}},
      {INITIAL, {INITIAL, IDENTICAL, DELETE, INSERT, UPDATE}},
      {IDENTICAL, {INITIAL, IDENTICAL, DELETE, INSERT, UPDATE}},
      {INSERT, {INITIAL, IDENTICAL, DELETE, INSERT, UPDATE}},
      {TavrelModelTransformDataVersion (DELETE | UPDATE), {INITIAL, IDENTICAL, DELETE, INSERT, UPDATE}},
  };
  for (const Mark &m : marks) {
    for (int i = 0; i < 5; i++) {
      g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new ();
      add (table, {0});
      TavrelModelDataRowModel *row = add (table, {1}, befores[i]);
      add (table, {2});
      Mirror mirror (table);
      Watch watch (row);
      tavrel_model_data_table_model_update_row_version (table, 1, m.mark);
      SCOPED_TRACE (testing::Message () << "mark " << int (m.mark) << " on " << int (befores[i]));
      if (m.after[i] == REMOVED) {
        EXPECT_EQ (2, n_rows (table));
        EXPECT_TRUE (watch.finalized ());
        EXPECT_EQ ((std::vector<Change>{{1, 1, 0}}), mirror.take_changes ());
        EXPECT_EQ ("2:e", text_at (table, 0, 1));
      } else {
        EXPECT_EQ (3, n_rows (table));
        EXPECT_EQ (m.after[i], version_at (table, 1));
        EXPECT_TRUE (mirror.take_changes ().empty ());
      }
      EXPECT_EQ (INITIAL, version_at (table, 0));
    }
  }

  /* Marking twice is marking once; the version notifies only when it changes. */
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new ();
  TavrelModelDataRowModel *row = add (table, {1});
  NotifyCounter version (row, "version");
  tavrel_model_data_table_model_update_row_version (table, 0, UPDATE);
  tavrel_model_data_table_model_update_row_version (table, 0, UPDATE);
  EXPECT_EQ (UPDATE, version_at (table, 0));
  EXPECT_EQ (1, version.count ());

  for (gint bad : {1, -1, G_MININT, G_MAXINT}) {
    tavrel_model_data_table_model_update_row_version (table, bad, DELETE);
    expect_critical ("tavrel_model_data_table_model_update_row_version: assertion 'position < _tmp2_' failed");
  }
  EXPECT_EQ (UPDATE, version_at (table, 0));
}

/* A DELETE mark takes the row at the position it is given, also when the
 * same row object sits earlier in the table. */
TEST_F (Tables, DeleteMarkRemovesTheRowAtItsPosition)
{
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new ();
  TavrelModelDataRowModel *fresh = add (table, {1}, INSERT);
  add (table, {2});
  tavrel_model_data_table_model_append (table, fresh);
  Mirror mirror (table);
  tavrel_model_data_table_model_update_row_version (table, 2, DELETE);
  EXPECT_EQ ((std::vector<Change>{{2, 1, 0}}), mirror.take_changes ());
  mirror.expect_matches ("the mark");
  EXPECT_EQ ("1:e", text_at (table, 0, 0));
  EXPECT_EQ (2, n_rows (table));
}

/* A list view bound to the table sees every change its functions make, at
 * the right place: after each step of a long mixed sequence the view built
 * from the announcements alone holds exactly the table's rows. */
TEST_F (Tables, ListObserversSeeEveryChange)
{
  for (bool listed : {false, true}) {
    SCOPED_TRACE (listed ? "with the row list handed out" : "without the row list");
    const TavrelModelDataDataType kinds[] = {TAVREL_MODEL_DATA_DATA_TYPE_ERROR};
    g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_types (kinds, 1);
    /* The rows in the table's own storage, or in the list handed out. */
    if (listed)
      tavrel_model_data_table_model_get_rows (table);
    Mirror mirror (table);
    int code = 0;
    auto fresh = [&] (TavrelModelTransformDataVersion version = INITIAL) { return row_of ({code++}, version); };
    auto step = [&] (const std::string &name, auto &&operation) {
      operation ();
      mirror.expect_matches (name);
    };
    auto append = [&] (TavrelModelTransformDataVersion version) {
      g_autoptr (TavrelModelDataRowModel) row = fresh (version);
      tavrel_model_data_table_model_append (table, row);
    };
    auto insert = [&] (gint position, TavrelModelTransformDataVersion version) {
      g_autoptr (TavrelModelDataRowModel) row = fresh (version);
      tavrel_model_data_table_model_insert (table, position, row);
    };

    step ("append", [&] { append (INITIAL); });
    step ("append insert row", [&] { append (INSERT); });
    step ("insert at the front", [&] { insert (0, INSERT); });
    step ("insert in the middle", [&] { insert (1, INITIAL); });
    step ("insert at the end", [&] { insert (n_rows (table), INITIAL); });
    step ("insert negative", [&] { insert (-1, INSERT); });
    step ("append a row again", [&] {
      g_autoptr (TavrelModelDataRowModel) row = row_at (table, 1);
      tavrel_model_data_table_model_append (table, row);
    });
    step ("insert a row again before itself", [&] {
      g_autoptr (TavrelModelDataRowModel) row = row_at (table, 3);
      tavrel_model_data_table_model_insert (table, 0, row);
    });
    step ("insert a row again after itself", [&] {
      g_autoptr (TavrelModelDataRowModel) row = row_at (table, 0);
      tavrel_model_data_table_model_insert (table, 4, row);
    });
    step ("UPDATE mark", [&] { tavrel_model_data_table_model_update_row_version (table, 2, UPDATE); });
    step ("DELETE mark on an INSERT row", [&] {
      gint position = 0;
      while (version_at (table, position) != INSERT)
        position++;
      tavrel_model_data_table_model_update_row_version (table, position, DELETE);
    });
    step ("DELETE mark on another row", [&] {
      gint position = 0;
      while (version_at (table, position) == INSERT)
        position++;
      tavrel_model_data_table_model_update_row_version (table, position, DELETE);
    });
    step ("delete", [&] {
      g_autoptr (TavrelModelDataRowModel) row = row_at (table, n_rows (table) - 1);
      tavrel_model_data_table_model_delete (table, row);
    });
    step ("delete_at the front", [&] {
      g_autoptr (TavrelModelDataRowModel) row = tavrel_model_data_table_model_delete_at (table, 0);
    });
    step ("delete_at the middle", [&] {
      g_autoptr (TavrelModelDataRowModel) row = tavrel_model_data_table_model_delete_at (table, n_rows (table) / 2);
    });
    step ("clear", [&] { tavrel_model_data_table_model_clear (table, FALSE); });
    step ("append after clear", [&] { append (INSERT); });
    step ("clear with columns", [&] { tavrel_model_data_table_model_clear (table, TRUE); });
    step ("clear when empty", [&] { tavrel_model_data_table_model_clear (table, TRUE); });

    /* Then many steps chosen at random (with a fixed seed), so that the
     * operations meet each other at every kind of position. */
    g_autoptr (GRand) rand = g_rand_new_with_seed (20240611);
    for (int i = 0; i < 600; i++) {
      gint n = n_rows (table);
      gint any = n ? g_rand_int_range (rand, 0, n) : 0;
      auto version = g_rand_boolean (rand) ? INSERT : INITIAL;
      switch (g_rand_int_range (rand, 0, 10)) {
      case 0: step ("random append", [&] { append (version); }); break;
      case 1: step ("random insert", [&] { insert (g_rand_int_range (rand, -1, n + 1), version); }); break;
      case 2:
        if (n)
          step ("random append again", [&] {
            g_autoptr (TavrelModelDataRowModel) row = row_at (table, any);
            tavrel_model_data_table_model_insert (table, g_rand_int_range (rand, 0, n + 1), row);
          });
        break;
      case 3:
        if (n)
          step ("random delete", [&] {
            g_autoptr (TavrelModelDataRowModel) row = row_at (table, any);
            tavrel_model_data_table_model_delete (table, row);
          });
        break;
      case 4:
        step ("random delete_at", [&] {
          g_autoptr (TavrelModelDataRowModel) row = tavrel_model_data_table_model_delete_at (table, any);
        });
        break;
      case 5:
      case 6:
        if (n)
          step ("random DELETE mark", [&] { tavrel_model_data_table_model_update_row_version (table, any, DELETE); });
        break;
      case 7:
        if (n)
          step ("random UPDATE mark", [&] { tavrel_model_data_table_model_update_row_version (table, any, UPDATE); });
        break;
      case 8:
        if (g_rand_int_range (rand, 0, 20) == 0)
          step ("random clear", [&] { tavrel_model_data_table_model_clear (table, g_rand_boolean (rand)); });
        break;
      default: step ("random insert at the front", [&] { insert (0, version); }); break;
      }
      if (HasFailure ())
        break;
    }
  }
}

TEST_F (Tables, NullEntriesPutInThroughTheListAreTolerated)
{
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new ();
  add (table, {1});
  GeeArrayList *rows = tavrel_model_data_table_model_get_rows (table);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (rows), nullptr);
  add (table, {2});

  EXPECT_EQ (3, n_rows (table));
  EXPECT_EQ (nullptr, g_list_model_get_item (G_LIST_MODEL (table), 1));
  EXPECT_EQ ("<none>", text_at (table, 0, 1));
  g_autoptr (TavrelModelDataValueError) value = tavrel_model_data_value_error_new (9, "new");
  tavrel_model_data_table_model_set_value_at (table, 0, 1, TAVREL_MODEL_DATA_VALUE_OBJECT (value));
  expect_critical (
      "tavrel_model_data_table_model_set_value_at: assertion '0 <= col && col < m_rows[row].values.size' failed");
  tavrel_model_data_table_model_update_row_version (table, 1, DELETE);
  EXPECT_EQ (3, n_rows (table));

  g_autoptr (TavrelModelDataRowModel) last = row_at (table, 2);
  gint position = 0;
  EXPECT_TRUE (tavrel_model_data_table_model_find (table, last, &position));
  EXPECT_EQ (2, position);
  EXPECT_EQ (nullptr, tavrel_model_data_table_model_delete_at (table, 1));
  EXPECT_EQ (2, n_rows (table));
}

TEST_F (Tables, NullAndWrongArgumentsAreRejected)
{
  EXPECT_EQ (nullptr, tavrel_model_data_table_model_new_with_names (nullptr, nullptr));
  expect_critical ("tavrel_model_data_table_model_new_with_names: assertion 'schema_ != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_table_model_new_with_names ("s", nullptr));
  expect_critical ("tavrel_model_data_table_model_new_with_names: assertion 'entity_ != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_table_model_construct_with_names (TAVREL_MODEL_DATA_TYPE_ROW_MODEL, nullptr, "e"));
  expect_critical ("tavrel_model_data_table_model_construct_with_names: assertion 'schema_ != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_table_model_construct_with_names (TAVREL_MODEL_DATA_TYPE_ROW_MODEL, "s", "e"));
  expect_critical (
      "tavrel_model_data_table_model_construct_with_names: assertion 'g_type_is_a (object_type, "
      "TAVREL_MODEL_DATA_TYPE_TABLE_MODEL)' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_table_model_new_with_sql (nullptr));
  expect_critical ("tavrel_model_data_table_model_new_with_sql: assertion 'sql != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_table_model_construct_with_sql (TAVREL_MODEL_DATA_TYPE_TABLE_MODEL, nullptr));
  expect_critical ("tavrel_model_data_table_model_construct_with_sql: assertion 'sql != NULL' failed");

  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new ();
  add (table, {1});
  Mirror mirror (table);
  gint position = 5;

  EXPECT_EQ (-1, tavrel_model_data_table_model_append (table, nullptr));
  expect_critical ("tavrel_model_data_table_model_append: assertion 'row != NULL' failed");
  EXPECT_EQ (-1, tavrel_model_data_table_model_insert (table, 0, nullptr));
  expect_critical ("tavrel_model_data_table_model_insert: assertion 'row != NULL' failed");
  tavrel_model_data_table_model_delete (table, nullptr);
  expect_critical ("tavrel_model_data_table_model_delete: assertion 'row != NULL' failed");
  EXPECT_FALSE (tavrel_model_data_table_model_find (table, nullptr, &position));
  expect_critical ("tavrel_model_data_table_model_find: assertion 'row != NULL' failed");
  EXPECT_EQ (0, position);
  g_autoptr (TavrelModelDataColumnModel) column = tavrel_model_data_column_model_new ();
  auto *not_a_row = reinterpret_cast<TavrelModelDataRowModel *> (column);
  EXPECT_EQ (-1, tavrel_model_data_table_model_append (table, not_a_row));
  expect_critical ("tavrel_model_data_table_model_append: assertion 'TAVREL_MODEL_DATA_IS_ROW_MODEL (row)' failed");
  EXPECT_EQ (-1, tavrel_model_data_table_model_insert (table, -1, not_a_row));
  expect_critical ("tavrel_model_data_table_model_insert: assertion 'TAVREL_MODEL_DATA_IS_ROW_MODEL (row)' failed");

  auto *not_a_table = reinterpret_cast<TavrelModelDataTableModel *> (column);
  g_autoptr (TavrelModelDataRowModel) row = row_of ({2});
  EXPECT_EQ (-1, tavrel_model_data_table_model_append (not_a_table, row));
  expect_critical ("tavrel_model_data_table_model_append: assertion 'TAVREL_MODEL_DATA_IS_TABLE_MODEL (self)' failed");
  tavrel_model_data_table_model_clear (not_a_table, TRUE);
  expect_critical ("tavrel_model_data_table_model_clear: assertion 'TAVREL_MODEL_DATA_IS_TABLE_MODEL (self)' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_table_model_get_entity (not_a_table));
  expect_critical ("tavrel_model_data_table_model_get_entity: assertion 'TAVREL_MODEL_DATA_IS_TABLE_MODEL (self)' failed");

  EXPECT_EQ (-1, tavrel_model_data_table_model_append (nullptr, row));
  expect_critical ("tavrel_model_data_table_model_append: assertion 'self != NULL' failed");
  EXPECT_EQ (-1, tavrel_model_data_table_model_insert (nullptr, 0, row));
  expect_critical ("tavrel_model_data_table_model_insert: assertion 'self != NULL' failed");
  tavrel_model_data_table_model_delete (nullptr, row);
  expect_critical ("tavrel_model_data_table_model_delete: assertion 'self != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_table_model_delete_at (nullptr, 0));
  expect_critical ("tavrel_model_data_table_model_delete_at: assertion 'self != NULL' failed");
  position = 5;
  EXPECT_FALSE (tavrel_model_data_table_model_find (nullptr, row, &position));
  expect_critical ("tavrel_model_data_table_model_find: assertion 'self != NULL' failed");
  EXPECT_EQ (0, position);
  tavrel_model_data_table_model_clear (nullptr, FALSE);
  expect_critical ("tavrel_model_data_table_model_clear: assertion 'self != NULL' failed");
  tavrel_model_data_table_model_update_row_version (nullptr, 0, DELETE);
  expect_critical ("tavrel_model_data_table_model_update_row_version: assertion 'self != NULL' failed");
  EXPECT_EQ (nullptr, tavrel_model_data_table_model_get_value_at (nullptr, 0, 0));
  expect_critical ("tavrel_model_data_table_model_get_value_at: assertion 'self != NULL' failed");
  tavrel_model_data_table_model_set_value_at (nullptr, 0, 0, nullptr);
  expect_critical ("tavrel_model_data_table_model_set_value_at: assertion 'self != NULL' failed");
  tavrel_model_data_table_model_metadata (nullptr, "s", "e");
  expect_critical ("tavrel_model_data_table_model_metadata: assertion 'self != NULL' failed");

  EXPECT_EQ (1, n_rows (table));
  EXPECT_TRUE (mirror.take_changes ().empty ());
}

TEST_F (Tables, ReleasingATableReleasesItsRowsAndColumns)
{
  const TavrelModelDataDataType kinds[] = {TAVREL_MODEL_DATA_DATA_TYPE_INT32};
  TavrelModelDataTableModel *table = tavrel_model_data_table_model_new_with_types (kinds, 1);
  GeeArrayList *rows = tavrel_model_data_table_model_get_rows (table);
  GeeArrayList *columns = tavrel_model_data_table_model_get_columns (table);
  gpointer column = gee_abstract_list_get (GEE_ABSTRACT_LIST (columns), 0);
  Watch column_watch (column);
  g_object_unref (column);
  TavrelModelDataRowModel *first = add (table, {1});
  TavrelModelDataRowModel *kept = add (table, {2});
  TavrelModelDataValueObject *value = tavrel_model_data_table_model_get_value_at (table, 0, 0);
  Watch table_watch (table), rows_watch (rows), columns_watch (columns), first_watch (first), kept_watch (kept),
      value_watch (value);
  g_object_unref (value);

  /* A row taken out lives on with the caller. */
  TavrelModelDataRowModel *taken = tavrel_model_data_table_model_delete_at (table, 1);
  EXPECT_EQ (kept, taken);

  g_object_unref (table);
  EXPECT_TRUE (table_watch.finalized ());
  EXPECT_TRUE (rows_watch.finalized ());
  EXPECT_TRUE (columns_watch.finalized ());
  EXPECT_TRUE (column_watch.finalized ());
  EXPECT_TRUE (first_watch.finalized ());
  EXPECT_TRUE (value_watch.finalized ());
  EXPECT_FALSE (kept_watch.finalized ());
  g_object_unref (taken);
  EXPECT_TRUE (kept_watch.finalized ());
}

/* A driver's row from its cell texts: the factory's values by the columns'
 * kinds, a null text the database NULL, appended and announced as append
 * does, at version INITIAL. */
TEST_F (Tables, AppendTextsBuildsARowFromCellTexts)
{
  lmtest::SavedZone zone;
  lmtest::use_zone ("UTC");
  const TavrelModelDataDataType kinds[] = {TAVREL_MODEL_DATA_DATA_TYPE_INT32, TAVREL_MODEL_DATA_DATA_TYPE_STRING,
                                           TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE, TAVREL_MODEL_DATA_DATA_TYPE_TIMESTAMP,
                                           TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN};
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_types (kinds, 5);
  add (table, {1});
  Mirror mirror (table);

  const gchar *const first[] = {"12345", "hello world", "3.25", "2024-03-05 14:07:09", "true"};
  EXPECT_EQ (1, tavrel_model_data_table_model_append_texts (table, first, 5));
  const gchar *const second[] = {"(Null)", nullptr, "-0.5e3", "not a time", "TRUE"};
  EXPECT_EQ (2, tavrel_model_data_table_model_append_texts (table, second, 5));
  EXPECT_EQ ((std::vector<Change>{{1, 0, 1}, {2, 0, 1}}), mirror.take_changes ());
  mirror.expect_matches ("appending texts");

  for (gint col = 0; col < 5; col++) {
    for (gint row : {1, 2}) {
      const char *text = (row == 1 ? first : second)[col];
      g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_table_model_get_value_at (table, col, row);
      g_autoptr (TavrelModelDataIValue) expected =
          tavrel_model_data_ivalue_factory (kinds[col], text ? text : "(Null)");
      ASSERT_NE (nullptr, value);
      EXPECT_EQ (G_OBJECT_TYPE (expected), G_OBJECT_TYPE (value)) << col << ", " << row;
      EXPECT_EQ (lmtest::render (expected), lmtest::render (value)) << col << ", " << row;
    }
  }
  g_autoptr (TavrelModelDataValueObject) null_cell = tavrel_model_data_table_model_get_value_at (table, 1, 2);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_NULL, G_OBJECT_TYPE (null_cell))
      << "a null text is the database NULL, not the kind's default";
  EXPECT_EQ (INITIAL, version_at (table, 1));
  EXPECT_EQ (INITIAL, version_at (table, 2));

  /* The row is a row like any other: its list holds the values, and what
   * is added to it is seen by the table. */
  TavrelModelDataRowModel *row = row_borrowed (table, 1);
  GeeArrayList *values = tavrel_model_data_row_model_get_values (row);
  ASSERT_EQ (5, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (values)));
  g_autoptr (TavrelModelDataValueError) extra = tavrel_model_data_value_error_new (6, "extra");
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (values), extra);
  EXPECT_EQ ("6:extra", text_at (table, 5, 1));
  tavrel_model_data_table_model_set_value_at (table, 0, 2, TAVREL_MODEL_DATA_VALUE_OBJECT (extra));
  EXPECT_EQ ("6:extra", text_at (table, 0, 2));

  /* Columns put in through the list count, a null entry as a value of
   * unknown kind. */
  g_autoptr (TavrelModelDataTableModel) listed = tavrel_model_data_table_model_new ();
  GeeArrayList *columns = tavrel_model_data_table_model_get_columns (listed);
  g_autoptr (TavrelModelDataColumnModel) number = tavrel_model_data_column_model_new_full ("n", TAVREL_MODEL_DATA_DATA_TYPE_INT64);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (columns), number);
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (columns), nullptr);
  const gchar *const pair[] = {"0x10", "<a/>"};
  EXPECT_EQ (0, tavrel_model_data_table_model_append_texts (listed, pair, 2));
  EXPECT_EQ ("16", text_at (listed, 0, 0));
  g_autoptr (TavrelModelDataValueObject) unknown = tavrel_model_data_table_model_get_value_at (listed, 1, 0);
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_XML, G_OBJECT_TYPE (unknown));
  EXPECT_EQ ("<a/>", text_at (listed, 1, 0));

  /* The rows and their values go with the table. */
  TavrelModelDataTableModel *owned = tavrel_model_data_table_model_new_with_types (kinds, 5);
  tavrel_model_data_table_model_append_texts (owned, first, 5);
  TavrelModelDataValueObject *cell = tavrel_model_data_table_model_get_value_at (owned, 1, 0);
  Watch cell_watch (cell), owned_watch (owned);
  g_object_unref (cell);
  g_object_unref (owned);
  EXPECT_TRUE (owned_watch.finalized ());
  EXPECT_TRUE (cell_watch.finalized ());
}

TEST_F (Tables, AppendTextsRejectsWhatDoesNotFitTheColumns)
{
  const TavrelModelDataDataType kinds[] = {TAVREL_MODEL_DATA_DATA_TYPE_INT32, TAVREL_MODEL_DATA_DATA_TYPE_STRING};
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_types (kinds, 2);
  add (table, {1});
  Mirror mirror (table);
  const gchar *const texts[] = {"1", "a", "extra"};

  for (gint count : {1, 3, -2, 0}) {
    EXPECT_EQ (-1, tavrel_model_data_table_model_append_texts (table, texts, count));
    expect_critical ("tavrel_model_data_table_model_append_texts: assertion 'n_texts == m_columns.size' failed");
  }
  EXPECT_EQ (-1, tavrel_model_data_table_model_append_texts (table, nullptr, 2));
  expect_critical ("tavrel_model_data_table_model_append_texts: assertion 'texts != NULL || n_texts <= 0' failed");
  EXPECT_EQ (-1, tavrel_model_data_table_model_append_texts (table, nullptr, 0));
  expect_critical ("tavrel_model_data_table_model_append_texts: assertion 'n_texts == m_columns.size' failed");

  g_autoptr (TavrelModelDataTableModel) bare = tavrel_model_data_table_model_new ();
  Mirror bare_mirror (bare);
  for (gint count : {0, 2}) {
    EXPECT_EQ (-1, tavrel_model_data_table_model_append_texts (bare, texts, count));
    expect_critical ("tavrel_model_data_table_model_append_texts: assertion 'm_columns.size > 0' failed");
  }
  EXPECT_EQ (-1, tavrel_model_data_table_model_append_texts (bare, nullptr, 0));
  expect_critical ("tavrel_model_data_table_model_append_texts: assertion 'm_columns.size > 0' failed");
  EXPECT_EQ (0, n_rows (bare));
  EXPECT_TRUE (bare_mirror.take_changes ().empty ());

  EXPECT_EQ (-1, tavrel_model_data_table_model_append_texts (nullptr, texts, 2));
  expect_critical ("tavrel_model_data_table_model_append_texts: assertion 'self != NULL' failed");
  g_autoptr (TavrelModelDataColumnModel) column = tavrel_model_data_column_model_new ();
  EXPECT_EQ (-1, tavrel_model_data_table_model_append_texts (reinterpret_cast<TavrelModelDataTableModel *> (column), texts, 2));
  expect_critical ("tavrel_model_data_table_model_append_texts: assertion 'TAVREL_MODEL_DATA_IS_TABLE_MODEL (self)' failed");

  EXPECT_EQ (1, n_rows (table));
  EXPECT_TRUE (mirror.take_changes ().empty ());
}

/* The rows stay in the table's own storage until a caller asks for the
 * list; the list then holds those very rows in order and is from then on
 * the table's storage: what changes through either is seen through both. */
TEST_F (Tables, TheRowListHandedOutIsTheTablesStorage)
{
  const TavrelModelDataDataType kinds[] = {TAVREL_MODEL_DATA_DATA_TYPE_INT32};
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_types (kinds, 1);
  const gchar *const texts[] = {"7"};
  tavrel_model_data_table_model_append_texts (table, texts, 1);
  TavrelModelDataRowModel *first = add (table, {1});
  TavrelModelDataRowModel *front = row_of ({2});
  tavrel_model_data_table_model_insert (table, 0, front);
  g_object_unref (front);
  tavrel_model_data_table_model_append (table, first);
  /* front, texts, first, first */
  g_autoptr (TavrelModelDataRowModel) gone = tavrel_model_data_table_model_delete_at (table, 1);
  EXPECT_EQ (1u, G_OBJECT (gone)->ref_count) << "taken out, the row is the caller's alone";
  /* front, first, first */
  gint position = -1;
  EXPECT_TRUE (tavrel_model_data_table_model_find (table, first, &position));
  EXPECT_EQ (1, position);

  GeeArrayList *rows = tavrel_model_data_table_model_get_rows (table);
  ASSERT_EQ (3, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (rows)));
  for (gint i = 0; i < 3; i++) {
    gpointer listed = gee_abstract_list_get (GEE_ABSTRACT_LIST (rows), i);
    g_autoptr (TavrelModelDataRowModel) item = row_at (table, i);
    EXPECT_EQ (listed, (gpointer) item) << i;
    g_object_unref (listed);
  }
  EXPECT_EQ (2u, G_OBJECT (first)->ref_count) << "held once per place in the table";
  EXPECT_EQ (rows, tavrel_model_data_table_model_get_rows (table));
  GeeArrayList *property = nullptr;
  g_object_get (table, "rows", &property, nullptr);
  EXPECT_EQ (rows, property);
  g_object_unref (property);

  /* Through the list, unannounced, yet seen by every reader. */
  g_autoptr (TavrelModelDataRowModel) extra = row_of ({5});
  {
    Mirror mirror (table);
    gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (rows), extra);
    EXPECT_TRUE (mirror.take_changes ().empty ());
  }
  EXPECT_EQ (4, n_rows (table));
  EXPECT_EQ ("5:e", text_at (table, 0, 3));
  EXPECT_TRUE (tavrel_model_data_table_model_find (table, extra, &position));
  EXPECT_EQ (3, position);

  /* Through the table, announced, and in the list. */
  Mirror after (table);
  tavrel_model_data_table_model_delete (table, first);
  EXPECT_EQ (3, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (rows)));
  const gchar *const more[] = {"8"};
  EXPECT_EQ (3, tavrel_model_data_table_model_append_texts (table, more, 1));
  EXPECT_EQ (4, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (rows)));
  EXPECT_EQ ((std::vector<Change>{{1, 1, 0}, {3, 0, 1}}), after.take_changes ());
  after.expect_matches ("changes through the table");
  tavrel_model_data_table_model_clear (table, FALSE);
  EXPECT_EQ (0, gee_abstract_collection_get_size (GEE_ABSTRACT_COLLECTION (rows)));
  EXPECT_EQ (1u, G_OBJECT (extra)->ref_count);
}

/* Whatever a caller puts in the row list is read as before: what is no row
 * is reported, and nothing is read out of it. */
TEST_F (Tables, AnEntryThatIsNoRowIsReported)
{
  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new ();
  add (table, {1});
  g_autoptr (TavrelModelDataColumnModel) stranger = tavrel_model_data_column_model_new ();
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (tavrel_model_data_table_model_get_rows (table)), stranger);
  ASSERT_EQ (2, n_rows (table));

  EXPECT_EQ (nullptr, tavrel_model_data_table_model_get_value_at (table, 0, 1));
  expect_critical ("tavrel_model_data_row_model_get_value_at: assertion 'TAVREL_MODEL_DATA_IS_ROW_MODEL (self)' failed");
  g_autoptr (TavrelModelDataValueError) value = tavrel_model_data_value_error_new (9, "new");
  tavrel_model_data_table_model_set_value_at (table, 0, 1, TAVREL_MODEL_DATA_VALUE_OBJECT (value));
  expect_critical ("tavrel_model_data_row_model_get_values: assertion 'TAVREL_MODEL_DATA_IS_ROW_MODEL (self)' failed");
  expect_critical (
      "tavrel_model_data_table_model_set_value_at: assertion '0 <= col && col < m_rows[row].values.size' failed");
  EXPECT_EQ ("1:e", text_at (table, 0, 0));
  EXPECT_EQ (1u, G_OBJECT (value)->ref_count);
}
