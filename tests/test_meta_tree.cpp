/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* The catalogue tree: tables and their lists, views and their columns,
 * schemas, databases and classification nodes, and whole trees through
 * JSON. */

#include <string.h>

#include <functional>
#include <utility>

#include "Support/gee.h"
#include "tests/catalogue.h"

using lmtest::differences;
using lmtest::from_json;
using lmtest::member_names;
using lmtest::NotifyCounter;
using lmtest::Serialized;
using lmtest::take_string;
using lmtest::to_json;

namespace {

class Tree : public lmtest::Test {};

inline TavrelModelMetaMetaObject *
as_object (gpointer object)
{
  return TAVREL_MODEL_META_META_OBJECT (object);
}

const char *
name_of (gpointer object)
{
  return tavrel_model_meta_meta_object_get_name (as_object (object));
}

void
add (GeeArrayList *list, gpointer object)
{
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), object);
  g_object_unref (object);
}

std::vector<std::string>
names (GeeArrayList *list)
{
  std::vector<std::string> out;
  for (gint i = 0; i < list->_size; i++)
    out.emplace_back (name_of (list->_items[i]));
  return out;
}

/* (name, raw type) of a view's columns. */
std::vector<std::pair<std::string, std::string>>
view_columns (TavrelModelMetaMetaView *view)
{
  std::vector<std::pair<std::string, std::string>> out;
  GeeArrayList *columns = tavrel_model_meta_meta_view_get_columns (view);
  for (gint i = 0; i < columns->_size; i++)
    out.emplace_back (name_of (columns->_items[i]),
                      tavrel_model_meta_meta_column_get_raw_type (TAVREL_MODEL_META_META_COLUMN (columns->_items[i])));
  return out;
}

}  // namespace

/* The worked examples of a column, an index and a table, member by member. */
TEST_F (Tree, WorkedExamplesMemberByMember)
{
  TavrelModelMetaMetaColumn *id = tavrel_model_meta_meta_column_new_with_type ("id", TAVREL_MODEL_DATA_DATA_TYPE_INT32, "integer");
  tavrel_model_meta_meta_column_set_ordinal (id, 1);
  tavrel_model_meta_meta_column_set_not_null (id, TRUE);
  tavrel_model_meta_meta_column_set_is_primary_key (id, TRUE);
  {
    Serialized json (id);
    JsonObject *o = json.object ();
    EXPECT_EQ ((std::vector<std::string>{"database", "schema", "name", "comment", "attributes", "ordinal", "alias",
                                         "after", "raw-type", "data-type", "identity", "default-value",
                                         "virtual-type", "expression", "not-null", "is-primary-key", "conflict",
                                         "charset", "collation", "enum-values"}),
               member_names (o));
    EXPECT_STREQ ("id", json_object_get_string_member (o, "name"));
    EXPECT_EQ (1, json_object_get_int_member (o, "ordinal"));
    EXPECT_STREQ ("integer", json_object_get_string_member (o, "raw-type"));
    EXPECT_EQ (6, json_object_get_int_member (o, "data-type"));
    EXPECT_TRUE (json_object_get_boolean_member (o, "not-null"));
    EXPECT_TRUE (json_object_get_boolean_member (o, "is-primary-key"));
    for (const char *empty : {"database", "schema", "comment", "alias", "after", "identity", "default-value",
                              "virtual-type", "expression", "conflict", "charset", "collation", "enum-values"})
      EXPECT_STREQ ("", json_object_get_string_member (o, empty)) << empty;
  }

  /* -1 is a length like any other; 0 is the declared default, left out. */
  g_autoptr (TavrelModelMetaMetaColumn) sized = tavrel_model_meta_meta_column_new ();
  tavrel_model_meta_meta_column_set_length (sized, -1);
  EXPECT_EQ (-1, json_object_get_int_member (Serialized (sized).object (), "length"));
  tavrel_model_meta_meta_column_set_length (sized, 0);
  EXPECT_FALSE (json_object_has_member (Serialized (sized).object (), "length"));

  g_autoptr (TavrelModelMetaMetaIndex) index = tavrel_model_meta_meta_index_new_with_names ("shop", "public", "users", "users_email");
  tavrel_model_meta_meta_index_set_method (index, "btree");
  tavrel_model_meta_meta_index_set_is_visible (index, TRUE);
  tavrel_model_meta_meta_index_append (index, "email");
  {
    Serialized json (index);
    JsonObject *o = json.object ();
    EXPECT_EQ ((std::vector<std::string>{"database", "schema", "name", "comment", "attributes", "entity", "class",
                                         "method", "parser", "algorithm", "lock", "where", "table-space", "with",
                                         "include", "kind", "is-visible", "columns"}),
               member_names (o));
    EXPECT_STREQ ("users", json_object_get_string_member (o, "entity"));
    EXPECT_STREQ ("btree", json_object_get_string_member (o, "method"));
    JsonArray *columns = json_object_get_array_member (o, "columns");
    ASSERT_EQ (1u, json_array_get_length (columns));
    EXPECT_STREQ ("email", json_array_get_string_element (columns, 0));
  }
  EXPECT_EQ ("shop.public.users_email", take_string (tavrel_model_meta_meta_object_fullname (as_object (index), TRUE, FALSE)));

  g_autoptr (TavrelModelMetaMetaTable) users = tavrel_model_meta_meta_table_new_with_names ("shop", "public", "users");
  add (tavrel_model_meta_meta_table_get_columns (users), id);
  add (tavrel_model_meta_meta_table_get_constraints (users), tavrel_model_meta_meta_primary_key_new_with_names ("shop", "public", "users_pkey"));
  Serialized json (users);
  EXPECT_EQ ((std::vector<std::string>{"database", "schema", "name", "comment", "attributes", "constraints",
                                       "columns", "indexes", "rules", "triggers"}),
             member_names (json.object ()));
  JsonObject *key = json_array_get_object_element (json_object_get_array_member (json.object (), "constraints"), 0);
  EXPECT_EQ ((std::vector<std::string>{"database", "schema", "name", "comment", "attributes", "columns", "class"}),
             member_names (key));
  EXPECT_STREQ ("TavrelModelMetaMetaPrimaryKey", json_object_get_string_member (key, "class"));
  for (const char *empty : {"indexes", "rules", "triggers"})
    EXPECT_EQ (0u, json_array_get_length (json_object_get_array_member (json.object (), empty)));
  g_autoptr (GObject) back = from_json (TAVREL_MODEL_META_TYPE_META_TABLE, to_json (users));
  EXPECT_EQ ("", differences (users, back));
}

TEST_F (Tree, TableColumnsAndPartialReset)
{
  g_autoptr (TavrelModelMetaMetaTable) table = tavrel_model_meta_meta_table_new ();
  g_autoptr (TavrelModelMetaMetaColumn) first = tavrel_model_meta_meta_table_new_column (table, "a", TAVREL_MODEL_DATA_DATA_TYPE_INT64);
  g_autoptr (TavrelModelMetaMetaColumn) second = tavrel_model_meta_meta_table_new_column (table, "a", TAVREL_MODEL_DATA_DATA_TYPE_STRING);
  GeeArrayList *columns = tavrel_model_meta_meta_table_get_columns (table);
  ASSERT_EQ (2, columns->_size);
  EXPECT_STREQ ("", tavrel_model_meta_meta_column_get_raw_type (second));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_STRING, tavrel_model_meta_meta_column_get_data_type (second));
  g_autoptr (TavrelModelMetaMetaColumn) found = tavrel_model_meta_meta_table_get_column (table, "a");
  EXPECT_EQ (first, found);
  EXPECT_EQ (nullptr, tavrel_model_meta_meta_table_get_column (table, "A"));

  /* Each kind removes its own constraints, last to first, others keep
   * their order; kinds without a partial reset change nothing. */
  struct Case {
    TavrelModelMetaDBObject kind;
    const char *left;
  };
  const Case cases[] = {
      {TAVREL_MODEL_META_DB_OBJECT_UNIQUE, "pk fk ck ex"},   {TAVREL_MODEL_META_DB_OBJECT_FOREIGN, "pk u1 u2 ck ex"},
      {TAVREL_MODEL_META_DB_OBJECT_CHECK, "pk u1 fk u2 ex"}, {TAVREL_MODEL_META_DB_OBJECT_EXCLUDE, "pk u1 fk u2 ck"},
      {TAVREL_MODEL_META_DB_OBJECT_PRIMARY, "pk u1 fk u2 ck ex"}, {TAVREL_MODEL_META_DB_OBJECT_INDEX, "pk u1 fk u2 ck ex"},
      {TAVREL_MODEL_META_DB_OBJECT_COLUMN, "pk u1 fk u2 ck ex"},
  };
  for (const Case &c : cases) {
    GeeArrayList *constraints = tavrel_model_meta_meta_table_get_constraints (table);
    gee_abstract_collection_clear (GEE_ABSTRACT_COLLECTION (constraints));
    add (constraints, tavrel_model_meta_meta_primary_key_new_with_names ("", "", "pk"));
    add (constraints, tavrel_model_meta_meta_unique_new_with_names ("", "", "u1"));
    add (constraints, tavrel_model_meta_meta_foreign_key_new_with_names ("", "", "fk"));
    add (constraints, tavrel_model_meta_meta_unique_new_with_names ("", "", "u2"));
    add (constraints, tavrel_model_meta_meta_check_new_with_names ("", "", "ck", "x > 0"));
    add (constraints, tavrel_model_meta_meta_exclude_new_with_names ("", "", "ex"));
    tavrel_model_meta_meta_table_reset_partial (table, c.kind);
    std::string left;
    for (const std::string &name : names (constraints))
      left += (left.empty () ? "" : " ") + name;
    EXPECT_EQ (c.left, left) << c.kind;
  }
  EXPECT_EQ (0, columns->_size);

  /* Reset empties every list in place. */
  g_object_unref (tavrel_model_meta_meta_table_new_column (table, "b", TAVREL_MODEL_DATA_DATA_TYPE_INT64));
  GeeArrayList *lists[] = {tavrel_model_meta_meta_table_get_constraints (table), columns,
                           tavrel_model_meta_meta_table_get_indexes (table),
                           tavrel_model_meta_meta_table_get_rules (table),
                           tavrel_model_meta_meta_table_get_triggers (table)};
  add (lists[2], tavrel_model_meta_meta_index_new ());
  add (lists[3], tavrel_model_meta_meta_rule_new ());
  add (lists[4], tavrel_model_meta_meta_trigger_new ());
  tavrel_model_meta_meta_object_reset (as_object (table));
  EXPECT_EQ (lists[0], tavrel_model_meta_meta_table_get_constraints (table));
  for (GeeArrayList *list : lists)
    EXPECT_EQ (0, list->_size);

  /* A table whose caller took the column list away makes no column. */
  tavrel_model_meta_meta_table_set_columns (table, nullptr);
  EXPECT_EQ (nullptr, tavrel_model_meta_meta_table_new_column (table, "c", TAVREL_MODEL_DATA_DATA_TYPE_INT64));
  expect_critical (lmtest::critical_text ("tavrel_model_meta_meta_table_new_column", "columns != NULL"));
  EXPECT_EQ (nullptr, tavrel_model_meta_meta_table_get_column (table, "c"));
}

/* The column extraction over select lists as they come, including the
 * last item before a single space and "from". */
TEST_F (Tree, ViewColumnsComeFromTheSelectList)
{
  using Columns = std::vector<std::pair<std::string, std::string>>;
  struct Case {
    const char *definition;
    Columns columns;
  };
  const Case cases[] = {
      {"select t.a as x, `t`.`b`, [c] as y, t.*, *, d  from t",
       {{"x", "t.a"}, {"t.b", "`t`.`b`"}, {"y", "[c]"}, {"t.*", "t.*"}, {"*", "*"}, {"d", "d"}}},
      {"select a, b from t", {{"a", "a"}, {"b", "b"}}},
      {"select t.a as x, d from t", {{"x", "t.a"}, {"d", "d"}}},
      {"SELECT t.a AS x FROM t", {{"t.a AS x", "t.a AS x"}}},
      {"CREATE VIEW v AS\n  select c.id,\n         c.name as customer,\n         o.*\n  from customers c join orders o on o.cid = c.id",
       {{"c.id", "c.id"}, {"customer", "c.name"}, {"o.*", "o.*"}}},
      /* The heuristic's limits: a quoted name with a space is two items,
       * and the list runs to the last "from" its characters reach. */
      {"select \"Order\".\"Id\" as \"Order Id\", o.total\nfrom \"Order\" o",
       {{"Order", "\"Order\".\"Id\""}, {"Id", "Id\""}, {"o.total", "o.total"}}},
      {"select [Unit Price] from x", {{"Unit", "[Unit"}, {"Price", "Price]"}}},
      {"select x from a where y in (select z from b)",
       {{"x", "x"}, {"from", "from"}, {"a", "a"}, {"where", "where"}, {"y", "y"}, {"in", "in"}, {"select", "select"}, {"z", "z"}}},
  };
  for (const Case &c : cases) {
    g_autoptr (TavrelModelMetaMetaView) view = tavrel_model_meta_meta_view_new ();
    tavrel_model_meta_meta_view_set_definition (view, c.definition);
    EXPECT_EQ (c.columns, view_columns (view)) << c.definition;
  }
}

TEST_F (Tree, ViewDefinitionNotifiesEveryTimeAndKeepsColumnsItCannotRead)
{
  g_autoptr (TavrelModelMetaMetaView) view = tavrel_model_meta_meta_view_new_with_names ("d", "s", "v");
  NotifyCounter notified (view, "definition");
  tavrel_model_meta_meta_view_set_definition (view, "select a, b from t");
  GeeArrayList *columns = tavrel_model_meta_meta_view_get_columns (view);
  gpointer first = g_object_ref (columns->_items[0]);
  tavrel_model_meta_meta_view_set_definition (view, "select a, b from t");
  EXPECT_EQ (2, notified.count ());
  ASSERT_EQ (2, columns->_size);
  EXPECT_NE (first, columns->_items[0]) << "the columns are made again";
  g_object_unref (first);
  for (const char *unread : {"delete from t", "select a + b from t", (const char *) nullptr}) {
    tavrel_model_meta_meta_view_set_definition (view, unread);
    EXPECT_EQ (2, columns->_size) << (unread ? unread : "null");
  }
  EXPECT_EQ (5, notified.count ());
  EXPECT_EQ (columns, tavrel_model_meta_meta_view_get_columns (view));

  /* JSON writes the columns and reads them back from the definition; a
   * clone finds them the same way. */
  tavrel_model_meta_meta_view_set_definition (view, "select t.a as x, d from t");
  Serialized json (view);
  EXPECT_EQ (2u, json_array_get_length (json_object_get_array_member (json.object (), "columns")));
  json_object_set_array_member (json.object (), "columns", json_array_new ());
  g_autoptr (GObject) back = json_gobject_deserialize (TAVREL_MODEL_META_TYPE_META_VIEW, json.node ());
  EXPECT_EQ ("", differences (view, back));
  g_autoptr (TavrelModelMetaMetaObject) copy = tavrel_model_meta_meta_object_clone (as_object (view));
  EXPECT_EQ ("", differences (view, copy));
}

TEST_F (Tree, SchemasAndDatabases)
{
  g_autoptr (TavrelModelMetaMetaDatabase) database = tavrel_model_meta_meta_database_new_with_name ("db");
  for (const char *part : {"name", "schema", "database"}) {
    g_auto (GValue) value = G_VALUE_INIT;
    g_value_init (&value, G_TYPE_STRING);
    g_object_get_property (G_OBJECT (database), part, &value);
    EXPECT_STREQ ("db", g_value_get_string (&value)) << part;
  }
  g_autoptr (TavrelModelMetaMetaSchema) a = tavrel_model_meta_meta_database_append (database, "a");
  g_autoptr (TavrelModelMetaMetaSchema) again = tavrel_model_meta_meta_database_append (database, "a");
  EXPECT_EQ (a, again);
  EXPECT_EQ (1, tavrel_model_meta_meta_database_get_schemas (database)->_size);
  EXPECT_STREQ ("a", tavrel_model_meta_meta_object_get_schema (as_object (a)));
  EXPECT_STREQ ("db", tavrel_model_meta_meta_object_get_database (as_object (a)));

  /* Reset empties all five lists of a schema, materialized views too. */
  GeeArrayList *lists[] = {tavrel_model_meta_meta_schema_get_events (a), tavrel_model_meta_meta_schema_get_routines (a),
                           tavrel_model_meta_meta_schema_get_tables (a), tavrel_model_meta_meta_schema_get_miews (a),
                           tavrel_model_meta_meta_schema_get_views (a)};
  add (lists[0], tavrel_model_meta_meta_event_new ());
  add (lists[1], tavrel_model_meta_meta_procedure_new ());
  add (lists[2], tavrel_model_meta_meta_table_new ());
  add (lists[3], tavrel_model_meta_materialized_new ());
  add (lists[4], tavrel_model_meta_meta_view_new ());

  /* A clone of the database holds new schemas holding new tables. */
  g_autoptr (TavrelModelMetaMetaObject) copy = tavrel_model_meta_meta_object_clone (as_object (database));
  GeeArrayList *copied = tavrel_model_meta_meta_database_get_schemas (TAVREL_MODEL_META_META_DATABASE (copy));
  ASSERT_EQ (1, copied->_size);
  EXPECT_NE (a, copied->_items[0]);
  add (tavrel_model_meta_meta_schema_get_tables (TAVREL_MODEL_META_META_SCHEMA (copied->_items[0])), tavrel_model_meta_meta_table_new ());
  EXPECT_EQ (1, lists[2]->_size);

  tavrel_model_meta_meta_object_reset (as_object (a));
  for (GeeArrayList *list : lists)
    EXPECT_EQ (0, list->_size);
  tavrel_model_meta_meta_object_reset (as_object (database));
  EXPECT_EQ (0, tavrel_model_meta_meta_database_get_schemas (database)->_size);

  tavrel_model_meta_meta_database_set_schemas (database, nullptr);
  EXPECT_EQ (nullptr, tavrel_model_meta_meta_database_append (database, "b"));
  expect_critical (lmtest::critical_text ("tavrel_model_meta_meta_database_append", "schemas != NULL"));
}

TEST_F (Tree, ClassificationNodes)
{
  g_autoptr (TavrelModelMetaMetaTable) a = tavrel_model_meta_meta_table_new_with_names ("", "", "A");
  g_autoptr (TavrelModelMetaMetaView) b = tavrel_model_meta_meta_view_new_with_names ("", "", "B");
  g_autoptr (TavrelModelMetaMetaTable) c = tavrel_model_meta_meta_table_new_with_names ("", "", "C");
  g_autoptr (TavrelModelMetaMetaObject) m = tavrel_model_meta_meta_object_new ();
  TavrelModelMetaMetaObject *array[] = {as_object (a), as_object (b), nullptr, as_object (c), as_object (m)};
  struct Case {
    TavrelModelMetaDBObject kind;
    gint32 length;
    std::vector<gpointer> children;
  };
  const Case cases[] = {
      {TAVREL_MODEL_META_DB_OBJECT_TABLE, 5, {a, c}},
      {TAVREL_MODEL_META_DB_OBJECT_UNKNOWN, 5, {m}},
      {TAVREL_MODEL_META_DB_OBJECT_VIEW, 0, {}},
      {TAVREL_MODEL_META_DB_OBJECT_TABLE, -1, {}},
  };
  for (const Case &k : cases) {
    g_autoptr (TavrelModelMetaMetaClassify) node =
        tavrel_model_meta_meta_classify_new_with_array (k.kind, "shop", "public", "Tables", array, k.length);
    GListModel *children = tavrel_model_meta_meta_classify_get_children (node);
    ASSERT_NE (nullptr, children);
    std::vector<gpointer> got;
    for (guint i = 0; i < g_list_model_get_n_items (children); i++) {
      gpointer item = g_list_model_get_item (children, i);
      got.push_back (item);
      g_object_unref (item);
    }
    EXPECT_EQ (k.children, got) << k.kind << "/" << k.length;
  }

  g_autoptr (TavrelModelMetaMetaClassify) node =
      tavrel_model_meta_meta_classify_new (TAVREL_MODEL_META_DB_OBJECT_TABLE, "shop", "public", "Tables");
  EXPECT_EQ (nullptr, tavrel_model_meta_meta_classify_get_children (node));
  EXPECT_STREQ ("Tables", name_of (node));
  EXPECT_EQ ("table:public.Tables", take_string (tavrel_model_meta_meta_object_fullname (as_object (node), FALSE, TRUE)));

  g_autoptr (GListStore) store = g_list_store_new (TAVREL_MODEL_META_TYPE_META_OBJECT);
  g_autoptr (TavrelModelMetaMetaClassify) shown = tavrel_model_meta_meta_classify_new_with_model (
      TAVREL_MODEL_META_DB_OBJECT_VIEW, "shop", "public", "Views", G_LIST_MODEL (store));
  EXPECT_EQ (G_LIST_MODEL (store), tavrel_model_meta_meta_classify_get_children (shown));
  NotifyCounter notified (shown, "children");
  tavrel_model_meta_meta_classify_set_children (shown, G_LIST_MODEL (store));
  EXPECT_EQ (0, notified.count ());

  /* A clone keeps the kind and shows the same objects; JSON leaves the
   * shown objects out. */
  g_autoptr (TavrelModelMetaMetaObject) copy = tavrel_model_meta_meta_object_clone (as_object (shown));
  EXPECT_EQ (TAVREL_MODEL_META_DB_OBJECT_VIEW, tavrel_model_meta_meta_object_character (copy));
  EXPECT_EQ (G_LIST_MODEL (store), tavrel_model_meta_meta_classify_get_children (TAVREL_MODEL_META_META_CLASSIFY (copy)));
  EXPECT_FALSE (json_object_has_member (Serialized (shown).object (), "children"));

  EXPECT_EQ (nullptr, tavrel_model_meta_meta_classify_new_with_model (TAVREL_MODEL_META_DB_OBJECT_VIEW, "s", "p", "V", nullptr));
  expect_critical (lmtest::critical_text ("tavrel_model_meta_meta_classify_new_with_model", "list_model != NULL"));
  EXPECT_EQ (nullptr, tavrel_model_meta_meta_classify_new_with_array (TAVREL_MODEL_META_DB_OBJECT_VIEW, "s", "p", "V", nullptr, 2));
  expect_critical (lmtest::critical_text ("tavrel_model_meta_meta_classify_new_with_array", "array != NULL || length <= 0"));
  EXPECT_EQ (nullptr, tavrel_model_meta_meta_classify_new (TAVREL_MODEL_META_DB_OBJECT_VIEW, "s", "p", nullptr));
  expect_critical (lmtest::critical_text ("tavrel_model_meta_meta_classify_new", "label != NULL"));
}

/* A database of every kind of catalogue object, three levels of lists
 * deep, through JSON and back: the same classes, property by property. */
TEST_F (Tree, WholeCatalogueTreeComesBackFromJson)
{
  g_autoptr (TavrelModelMetaMetaDatabase) database = tavrel_model_meta_meta_database_new_with_name ("shop");
  lmtest::fill (database, 4);
  GeeArrayList *schemas = tavrel_model_meta_meta_database_get_schemas (database);
  ASSERT_EQ (1, schemas->_size);
  auto *schema = TAVREL_MODEL_META_META_SCHEMA (schemas->_items[0]);
  GeeArrayList *routines = tavrel_model_meta_meta_schema_get_routines (schema);
  GeeArrayList *tables = tavrel_model_meta_meta_schema_get_tables (schema);
  ASSERT_EQ (4, routines->_size) << "routine, function, procedure, external";
  ASSERT_EQ (1, tables->_size);
  auto *table = TAVREL_MODEL_META_META_TABLE (tables->_items[0]);
  ASSERT_EQ (6, tavrel_model_meta_meta_table_get_constraints (table)->_size) << "the base and five kinds";
  ASSERT_EQ (1, tavrel_model_meta_meta_table_get_columns (table)->_size);

  std::string text = to_json (database);
  g_autoptr (GObject) back = from_json (TAVREL_MODEL_META_TYPE_META_DATABASE, text);
  EXPECT_EQ ("", differences (database, back));
  EXPECT_EQ (text, to_json (back));
}

/* A list or map whose elements the property cannot hold is refused, by its
 * setter and through the property alike, and the container held before
 * stays: a table whose column list held strings crashed when it was written
 * to JSON. */
TEST_F (Tree, ContainerSettersRefuseOtherElements)
{
  g_autoptr (TavrelModelMetaMetaTable) table = tavrel_model_meta_meta_table_new_with_names ("d", "s", "t");
  g_autoptr (TavrelModelMetaMetaIndex) index = tavrel_model_meta_meta_index_new ();
  g_autoptr (TavrelModelMetaMetaRole) role = tavrel_model_meta_meta_role_new ();
  g_autoptr (GeeArrayList) texts = lm::string_list ();
  gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (texts), "id");
  g_autoptr (GeeArrayList) objects = lm::object_list (G_TYPE_OBJECT);
  g_autoptr (GeeHashMap) numbers =
      gee_hash_map_new (G_TYPE_STRING, (GBoxedCopyFunc) g_strdup, g_free, G_TYPE_INT, nullptr, nullptr, nullptr,
                        nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr, nullptr);

  struct Case {
    const char *critical;
    std::function<void ()> set;
    std::function<gpointer ()> held;
  };
  TavrelModelMetaMetaTable *meta_table = table;
  TavrelModelMetaMetaIndex *meta_index = index;
  TavrelModelMetaMetaRelation *meta_role = TAVREL_MODEL_META_META_RELATION (role);
  const Case cases[] = {
      {"tavrel_model_meta_meta_table_set_columns: assertion 'g_type_is_a (gee_traversable_get_element_type "
       "(value), G_TYPE_OBJECT)' failed",
       [&] { tavrel_model_meta_meta_table_set_columns (meta_table, texts); },
       [&] { return (gpointer) tavrel_model_meta_meta_table_get_columns (meta_table); }},
      /* Bindings set properties through GObject, which checks the class only. */
      {"TavrelModelMetaMetaTable:columns: assertion 'g_type_is_a (gee_traversable_get_element_type (value), "
       "G_TYPE_OBJECT)' failed",
       [&] { g_object_set (meta_table, "columns", texts, nullptr); },
       [&] { return (gpointer) tavrel_model_meta_meta_table_get_columns (meta_table); }},
      {"tavrel_model_meta_meta_index_set_columns: assertion 'gee_traversable_get_element_type (value) == "
       "G_TYPE_STRING' failed",
       [&] { tavrel_model_meta_meta_index_set_columns (meta_index, objects); },
       [&] { return (gpointer) tavrel_model_meta_meta_index_get_columns (meta_index); }},
      {"tavrel_model_meta_meta_relation_set_privileges: assertion 'gee_map_get_key_type (value) == G_TYPE_STRING "
       "&& gee_map_get_value_type (value) == G_TYPE_STRING' failed",
       [&] { tavrel_model_meta_meta_relation_set_privileges (meta_role, numbers); },
       [&] { return (gpointer) tavrel_model_meta_meta_relation_get_privileges (meta_role); }},
  };
  for (const Case &c : cases) {
    gpointer before = c.held ();
    c.set ();
    expect_critical (c.critical);
    EXPECT_EQ (before, c.held ()) << c.critical;
  }
  /* The table still writes, and a list of objects of any class is taken. */
  g_autofree gchar *json = json_gobject_to_data (G_OBJECT (meta_table), nullptr);
  EXPECT_NE (nullptr, strstr (json, "\"columns\" : []"));
  tavrel_model_meta_meta_table_set_columns (meta_table, objects);
  EXPECT_EQ ((gpointer) objects, tavrel_model_meta_meta_table_get_columns (meta_table));
}
