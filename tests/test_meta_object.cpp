/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* The catalogue's base object, and what every catalogue class shares: its
 * kind, its properties in order, notification, clone and the JSON form. */

#include <functional>

#include "tests/catalogue.h"

using lmtest::differences;
using lmtest::from_json;
using lmtest::member_names;
using lmtest::NotifyCounter;
using lmtest::Serialized;
using lmtest::take_string;
using lmtest::to_json;
using lmtest::Watch;

namespace {

class Meta : public lmtest::Test {};

using Object = TavrelModelMetaMetaObject;

inline Object *
as_object (gpointer object)
{
  return TAVREL_MODEL_META_META_OBJECT (object);
}

GeeAbstractMap *
attributes_of (gpointer object)
{
  return GEE_ABSTRACT_MAP (tavrel_model_meta_meta_object_get_attributes (as_object (object)));
}

std::string
entry (GeeHashMap *map, const char *key)
{
  return take_string (static_cast<gchar *> (gee_abstract_map_get (GEE_ABSTRACT_MAP (map), key)));
}

std::string
fullname (gpointer object, gboolean with_database, gboolean with_kind)
{
  return take_string (tavrel_model_meta_meta_object_fullname (as_object (object), with_database, with_kind));
}

GValue
property (gpointer object, GParamSpec *pspec)
{
  GValue value = G_VALUE_INIT;
  g_value_init (&value, pspec->value_type);
  g_object_get_property (G_OBJECT (object), pspec->name, &value);
  return value;
}

}  // namespace

TEST_F (Meta, KindsAreFiftyFiveMembersNamedByTheirNicks)
{
  g_autoptr (GEnumClass) kinds = G_ENUM_CLASS (g_type_class_ref (TAVREL_MODEL_META_TYPE_DB_OBJECT));
  ASSERT_EQ (55u, kinds->n_values);
  for (guint i = 0; i < kinds->n_values; i++) {
    const GEnumValue &member = kinds->values[i];
    g_autofree gchar *upper = g_ascii_strup (member.value_nick, -1);
    EXPECT_EQ (gint (i), member.value);
    EXPECT_EQ (std::string ("TAVREL_MODEL_META_DB_OBJECT_") + upper, member.value_name);
    EXPECT_EQ (member.value_nick, take_string (tavrel_model_meta_db_object_to_string (TavrelModelMetaDBObject (i))));
  }
  EXPECT_EQ ("contraint", take_string (tavrel_model_meta_db_object_to_string (TAVREL_MODEL_META_DB_OBJECT_CONTRAINT)));
  EXPECT_EQ ("table", take_string (tavrel_model_meta_db_object_to_string (TavrelModelMetaDBObject (47))));
  for (int outside : {-1, 55})
    EXPECT_EQ ("<null>", take_string (tavrel_model_meta_db_object_to_string (TavrelModelMetaDBObject (outside))));
}

/* Each class's kind and the properties it adds, in the order that is the
 * order of its JSON members. */
TEST_F (Meta, EveryClassHasItsKindAndItsPropertiesInOrder)
{
  struct Case {
    GType type;
    int kind;
    const char *own;
  };
  const Case cases[] = {
      {TAVREL_MODEL_META_TYPE_META_OBJECT, 0, "database schema name comment attributes"},
      {TAVREL_MODEL_META_TYPE_META_COLUMN, 9,
       "ordinal alias after raw-type data-type length scale dimension is-unsigned auto-increment "
       "auto-increment-seed identity default-value virtual-type expression not-null is-selected is-virtual "
       "is-user-defined is-primary-key primary-ordinal primary-length primary-order conflict charset collation "
       "enum-values is-binary is-fill-zero update-timestamp is-generated-always"},
      {TAVREL_MODEL_META_TYPE_META_INDEX, 24,
       "entity class method parser algorithm lock where table-space with include kind is-concurrent is-only "
       "is-visible is-clustered key-block-size columns"},
      {TAVREL_MODEL_META_TYPE_META_CONSTRAINT, 10, ""},
      {TAVREL_MODEL_META_TYPE_META_PRIMARY_KEY, 34, "columns"},
      {TAVREL_MODEL_META_TYPE_META_UNIQUE, 51, "columns conflict is-primary-key table-space with include deferrable"},
      {TAVREL_MODEL_META_TYPE_META_FOREIGN_KEY, 22,
       "refer-database refer-schema refer-table local-columns refer-columns match-method delete-action "
       "update-action deferrable"},
      {TAVREL_MODEL_META_TYPE_META_CHECK, 4, "enforced no-inherit check deferrable"},
      {TAVREL_MODEL_META_TYPE_META_EXCLUDE, 20, "index-method table-space with include where deferrable elements"},
      {TAVREL_MODEL_META_TYPE_META_TRIGGER, 49,
       "kind target body definer timing event when order trigger columns deferrable deferred function arguments "
       "for-each refer-table constraint apply enable"},
      {TAVREL_MODEL_META_TYPE_META_RULE, 41, "commands action event where apply enable"},
      {TAVREL_MODEL_META_TYPE_META_EVENT, 19, "kind body definer state schedule completion"},
      {TAVREL_MODEL_META_TYPE_META_SYNONYM, 46, "target"},
      {TAVREL_MODEL_META_TYPE_META_TABLE, 47, "constraints columns indexes rules triggers"},
      {TAVREL_MODEL_META_TYPE_META_VIEW, 53, "definition columns"},
      {TAVREL_MODEL_META_TYPE_MATERIALIZED, 53, "table-space definer fill-factor with-data"},
      {TAVREL_MODEL_META_TYPE_META_ROUTINE, 40, "return-type body parameters"},
      {TAVREL_MODEL_META_TYPE_META_FUNCTION, 23, ""},
      {TAVREL_MODEL_META_TYPE_META_PROCEDURE, 35, ""},
      {TAVREL_MODEL_META_TYPE_META_EXTERNAL, 21, ""},
      {TAVREL_MODEL_META_TYPE_META_SCHEMA, 42, "events routines tables miews views"},
      {TAVREL_MODEL_META_TYPE_META_DATABASE, 12, "schemas"},
      {TAVREL_MODEL_META_TYPE_META_CLASSIFY, 0, "children"},
      {TAVREL_MODEL_META_TYPE_META_RELATION, 0, "relations privileges scope password"},
      {TAVREL_MODEL_META_TYPE_META_ROLE, 39, ""},
      {TAVREL_MODEL_META_TYPE_META_USER, 52, "default-schema"},
  };
  ASSERT_EQ (lmtest::catalogue_classes ().size (), G_N_ELEMENTS (cases));
  for (const Case &c : cases) {
    SCOPED_TRACE (g_type_name (c.type));
    g_autoptr (GObject) object = G_OBJECT (g_object_new (c.type, nullptr));
    EXPECT_EQ (c.kind, tavrel_model_meta_meta_object_character (as_object (object)));
    g_auto (GStrv) own = g_strsplit (c.own, " ", -1);
    std::vector<std::string> expected;
    for (gchar **name = own; *name; name++)
      if (**name)
        expected.emplace_back (*name);
    EXPECT_EQ (expected, lmtest::own_properties (object, c.type));
  }
}

/* A new object holds "" in every string (declared null), a new empty list
 * or map in every container, false and 0 elsewhere; so its JSON form has
 * the strings and containers and nothing else.  A check's no-inherit and a
 * materialized view's with-data start true, which is also their declared
 * default, so that a false survives JSON. */
TEST_F (Meta, EveryClassStartsEmpty)
{
  for (GType type : lmtest::catalogue_classes ()) {
    SCOPED_TRACE (g_type_name (type));
    g_autoptr (GObject) object = G_OBJECT (g_object_new (type, nullptr));
    Serialized json (object);
    std::vector<std::string> expected_members;
    guint n = 0;
    g_autofree GParamSpec **pspecs = g_object_class_list_properties (G_OBJECT_GET_CLASS (object), &n);
    for (guint i = 0; i < n; i++) {
      GParamSpec *pspec = pspecs[i];
      g_auto (GValue) value = property (object, pspec);
      const GValue *declared = g_param_spec_get_default_value (pspec);
      if (G_VALUE_HOLDS_STRING (&value)) {
        EXPECT_STREQ ("", g_value_get_string (&value)) << pspec->name;
        EXPECT_EQ (nullptr, g_value_get_string (declared)) << pspec->name;
        expected_members.push_back (pspec->name);
      } else if (G_VALUE_HOLDS (&value, GEE_TYPE_ARRAY_LIST) || G_VALUE_HOLDS (&value, GEE_TYPE_HASH_MAP)) {
        gpointer held = g_value_get_object (&value);
        ASSERT_NE (nullptr, held) << pspec->name;
        EXPECT_EQ (0, GEE_IS_MAP (held) ? gee_map_get_size (GEE_MAP (held)) : gee_collection_get_size (GEE_COLLECTION (held)))
            << pspec->name;
        EXPECT_EQ (nullptr, g_value_get_object (declared)) << pspec->name;
        expected_members.push_back (pspec->name);
      } else if (G_VALUE_HOLDS_BOOLEAN (&value)) {
        bool starts_true = !strcmp (pspec->name, "no-inherit") || !strcmp (pspec->name, "with-data");
        EXPECT_EQ (starts_true, bool (g_value_get_boolean (&value))) << pspec->name;
        EXPECT_EQ (0, g_param_values_cmp (pspec, &value, declared)) << pspec->name;
      } else if (G_VALUE_HOLDS (&value, G_TYPE_LIST_MODEL)) {
        EXPECT_EQ (nullptr, g_value_get_object (&value));
      } else {
        EXPECT_EQ (0, g_param_values_cmp (pspec, &value, declared)) << pspec->name;
      }
    }
    EXPECT_EQ (expected_members, member_names (json.object ()));
  }
}

/* Strings, numbers and flags notify on a change only; lists and maps on
 * every call; the attributes map and a node's children not when handed
 * back the very object; a view's definition on every call. */
TEST_F (Meta, EverySetterNotifiesByItsRule)
{
  for (GType type : lmtest::catalogue_classes ()) {
    SCOPED_TRACE (g_type_name (type));
    g_autoptr (GObject) object = G_OBJECT (g_object_new (type, nullptr));
    g_autoptr (GObject) other = G_OBJECT (g_object_new (type, nullptr));
    lmtest::fill (other, 0);
    guint n = 0;
    g_autofree GParamSpec **pspecs = g_object_class_list_properties (G_OBJECT_GET_CLASS (object), &n);
    for (guint i = 0; i < n; i++) {
      GParamSpec *pspec = pspecs[i];
      if ((pspec->flags & G_PARAM_READWRITE) != G_PARAM_READWRITE)
        continue;
      bool container = g_type_is_a (pspec->value_type, G_TYPE_OBJECT);
      bool same_object = !strcmp (pspec->name, "attributes") || !strcmp (pspec->name, "children");
      bool every_call = (container && !same_object) || !strcmp (pspec->name, "definition");
      g_auto (GValue) held = property (object, pspec);
      g_auto (GValue) changed = property (other, pspec);
      if (container && !g_value_get_object (&changed))
        g_value_take_object (&changed, g_object_new (G_TYPE_LIST_STORE, "item-type", G_TYPE_OBJECT, nullptr));
      NotifyCounter counter (object, pspec->name);
      g_object_set_property (object, pspec->name, &held);
      EXPECT_EQ (every_call ? 1 : 0, counter.count ()) << pspec->name << " set to what it holds";
      counter.reset ();
      g_object_set_property (object, pspec->name, &changed);
      EXPECT_EQ (1, counter.count ()) << pspec->name << " changed";
    }
  }
}

/* Every property set to a value no new object holds, lists holding one
 * filled element of each class they may hold: JSON brings back the same
 * classes with the same content, and a clone holds the same content in
 * containers of its own, without the change record. */
TEST_F (Meta, EveryClassComesBackWholeFromJsonAndFromClone)
{
  for (GType type : lmtest::catalogue_classes ()) {
    SCOPED_TRACE (g_type_name (type));
    GObject *object = G_OBJECT (g_object_new (type, nullptr));
    lmtest::fill (object, 2);
    tavrel_model_meta_meta_object_append_diff (as_object (object), "name", TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
    tavrel_model_meta_meta_object_append_slice (as_object (object), "name", "old");
    g_object_set_data_full (object, "FILLED", g_strdup ("mark"), g_free);

    GObject *back = from_json (type, to_json (object));
    ASSERT_NE (nullptr, back);
    EXPECT_EQ (type, G_OBJECT_TYPE (back));
    EXPECT_EQ ("", differences (object, back, false));

    GObject *copy = G_OBJECT (tavrel_model_meta_meta_object_clone (as_object (object)));
    EXPECT_EQ ("", differences (object, copy));
    EXPECT_FALSE (lmtest::shares_container (object, copy));
    g_autoptr (GeeHashMap) diff = tavrel_model_meta_meta_object_diff (as_object (copy));
    g_autoptr (GeeHashMap) slice = tavrel_model_meta_meta_object_slice (as_object (copy));
    EXPECT_EQ (0, gee_abstract_map_get_size (GEE_ABSTRACT_MAP (diff)));
    EXPECT_EQ (0, gee_abstract_map_get_size (GEE_ABSTRACT_MAP (slice)));
    EXPECT_EQ (nullptr, g_object_get_data (copy, "FILLED"));

    Watch watches[] = {Watch (object), Watch (back), Watch (copy)};
    g_object_unref (object);
    g_object_unref (back);
    g_object_unref (copy);
    for (const Watch &watch : watches)
      EXPECT_TRUE (watch.finalized ());
  }
}

/* The base object's JSON form, member by member. */
TEST_F (Meta, BaseObjectJsonForm)
{
  g_autoptr (TavrelModelMetaMetaObject) fresh = tavrel_model_meta_meta_object_new ();
  Serialized empty (fresh);
  EXPECT_EQ ((std::vector<std::string>{"database", "schema", "name", "comment", "attributes"}),
             member_names (empty.object ()));
  for (const char *member : {"database", "schema", "name", "comment"})
    EXPECT_STREQ ("", json_object_get_string_member (empty.object (), member));
  EXPECT_EQ (0u, json_object_get_size (json_object_get_object_member (empty.object (), "attributes")));

  g_autoptr (TavrelModelMetaMetaObject) users = tavrel_model_meta_meta_object_new ();
  tavrel_model_meta_meta_object_set_database (users, "shop");
  tavrel_model_meta_meta_object_set_schema (users, "public");
  tavrel_model_meta_meta_object_set_name (users, "users");
  gee_abstract_map_set (attributes_of (users), "owner", "app");
  Serialized example (users);
  EXPECT_EQ ((std::vector<std::string>{"database", "schema", "name", "comment", "attributes"}),
             member_names (example.object ()));
  EXPECT_STREQ ("shop", json_object_get_string_member (example.object (), "database"));
  EXPECT_STREQ ("public", json_object_get_string_member (example.object (), "schema"));
  EXPECT_STREQ ("users", json_object_get_string_member (example.object (), "name"));
  EXPECT_STREQ ("", json_object_get_string_member (example.object (), "comment"));
  JsonObject *attributes = json_object_get_object_member (example.object (), "attributes");
  EXPECT_EQ ((std::vector<std::string>{"owner"}), member_names (attributes));
  EXPECT_STREQ ("app", json_object_get_string_member (attributes, "owner"));
  g_autoptr (GObject) back = from_json (TAVREL_MODEL_META_TYPE_META_OBJECT, to_json (users));
  EXPECT_EQ ("", differences (users, back));

  /* A null name is left out, and reads back as the initial "". */
  tavrel_model_meta_meta_object_set_name (users, nullptr);
  Serialized nameless (users);
  EXPECT_FALSE (json_object_has_member (nameless.object (), "name"));
  g_autoptr (GObject) named = from_json (TAVREL_MODEL_META_TYPE_META_OBJECT, to_json (users));
  EXPECT_STREQ ("", tavrel_model_meta_meta_object_get_name (as_object (named)));
}

/* Hand-edited documents: members of the wrong JSON type, numbers no
 * property can hold, elements that are no objects, classes that are
 * missing, unknown or of another family.  Each reads as far as it can,
 * silently, into the neutral values. */
TEST_F (Meta, MalformedDocumentsReadAsFarAsTheyCan)
{
  struct Case {
    GType type;
    const char *document;
    std::function<void (GObject *)> check;
  };
  auto size = [] (GeeArrayList *list) { return list ? list->_size : -1; };
  const Case cases[] = {
      {TAVREL_MODEL_META_TYPE_META_OBJECT,
       R"({"attributes": {"a": 1, "b": "x", "c": null, "d": {}, "e": [1], "b": "y"}, "name": 5,
           "database": true, "comment": null, "schema": ["s"], "no-such": 1})",
       [&] (GObject *o) {
         GeeHashMap *map = tavrel_model_meta_meta_object_get_attributes (as_object (o));
         EXPECT_EQ (5, gee_abstract_map_get_size (GEE_ABSTRACT_MAP (map)));
         EXPECT_EQ ("", entry (map, "a"));
         EXPECT_EQ ("y", entry (map, "b"));
         EXPECT_EQ ("", entry (map, "e"));
         EXPECT_STREQ ("", tavrel_model_meta_meta_object_get_name (as_object (o)));
         EXPECT_STREQ ("", tavrel_model_meta_meta_object_get_database (as_object (o)));
         EXPECT_STREQ ("", tavrel_model_meta_meta_object_get_schema (as_object (o)));
         EXPECT_EQ (nullptr, tavrel_model_meta_meta_object_get_comment (as_object (o)));
       }},
      {TAVREL_MODEL_META_TYPE_META_OBJECT, R"({"attributes": "owner=app"})",
       [] (GObject *o) {
         EXPECT_EQ (0, gee_abstract_map_get_size (attributes_of (o)));
       }},
      {TAVREL_MODEL_META_TYPE_META_COLUMN,
       R"({"data-type": 999, "scale": 1000, "ordinal": -1, "length": 1e300, "auto-increment-seed": 1e30,
           "is-unsigned": "yes", "primary-order": 255, "dimension": -3})",
       [] (GObject *o) {
         auto *column = TAVREL_MODEL_META_META_COLUMN (o);
         EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN, tavrel_model_meta_meta_column_get_data_type (column));
         EXPECT_EQ (0, tavrel_model_meta_meta_column_get_scale (column));
         EXPECT_EQ (0, tavrel_model_meta_meta_column_get_ordinal (column));
         EXPECT_EQ (0, tavrel_model_meta_meta_column_get_length (column));
         EXPECT_EQ (0u, tavrel_model_meta_meta_column_get_auto_increment_seed (column));
         EXPECT_FALSE (tavrel_model_meta_meta_column_get_is_unsigned (column));
         EXPECT_EQ (255, tavrel_model_meta_meta_column_get_primary_order (column));
         EXPECT_EQ (0, tavrel_model_meta_meta_column_get_dimension (column));
       }},
      {TAVREL_MODEL_META_TYPE_META_TABLE,
       R"({"columns": 5, "rules": {}, "triggers": null,
           "indexes": [{"columns": ["a", 1, null, "b", {}]}, "index", [], null],
           "constraints": [3, {"name": "x"}, {"class": "GObject"}, {"class": "TavrelModelSettingServer"},
                           {"class": 5}, {"class": "NoSuchClass"}, {"class": "TavrelModelMetaMetaTable"},
                           {"class": "TavrelModelMetaMetaUnique", "name": "u", "class": "TavrelModelMetaMetaCheck"},
                           {"class": "TavrelModelMetaMetaUnique", "name": "v"}]})",
       [&] (GObject *o) {
         auto *table = TAVREL_MODEL_META_META_TABLE (o);
         EXPECT_EQ (0, size (tavrel_model_meta_meta_table_get_columns (table)));
         EXPECT_EQ (0, size (tavrel_model_meta_meta_table_get_rules (table)));
         EXPECT_EQ (0, size (tavrel_model_meta_meta_table_get_triggers (table)));
         GeeArrayList *indexes = tavrel_model_meta_meta_table_get_indexes (table);
         ASSERT_EQ (1, size (indexes));
         GeeArrayList *columns = tavrel_model_meta_meta_index_get_columns (TAVREL_MODEL_META_META_INDEX (indexes->_items[0]));
         ASSERT_EQ (2, size (columns));
         EXPECT_STREQ ("b", static_cast<const char *> (columns->_items[1]));
         GeeArrayList *constraints = tavrel_model_meta_meta_table_get_constraints (table);
         ASSERT_EQ (2, size (constraints));
         EXPECT_TRUE (TAVREL_MODEL_META_IS_META_CHECK (constraints->_items[0]));
         EXPECT_TRUE (TAVREL_MODEL_META_IS_META_UNIQUE (constraints->_items[1]));
         EXPECT_STREQ ("v", tavrel_model_meta_meta_object_get_name (as_object (constraints->_items[1])));
       }},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE (c.document);
    g_autoptr (GObject) object = from_json (c.type, c.document);
    ASSERT_NE (nullptr, object);
    c.check (object);
  }

  /* Names that are not UTF-8 and deep nesting where a list is expected
   * reach the reader only from a document built in memory or a parser
   * that allowed them. */
  g_autoptr (JsonNode) deep = json_node_new (JSON_NODE_ARRAY);
  json_node_take_array (deep, json_array_new ());
  JsonArray *level = json_node_get_array (deep);
  for (int i = 0; i < 2000; i++) {
    JsonArray *inner = json_array_new ();
    json_array_add_array_element (level, inner);
    level = inner;
  }
  g_autoptr (JsonNode) root = json_node_new (JSON_NODE_OBJECT);
  json_node_take_object (root, json_object_new ());
  json_object_set_member (json_node_get_object (root), "schemas", json_node_copy (deep));
  JsonObject *attributes = json_object_new ();
  json_object_set_string_member (attributes, "\xff\xfe", "\xc3\x28");
  json_object_set_object_member (json_node_get_object (root), "attributes", attributes);
  json_object_set_string_member (json_node_get_object (root), "n\xffme", "x");
  json_object_set_string_member (json_node_get_object (root), "comment", "a\xe2\x82z");
  g_autoptr (GObject) database = json_gobject_deserialize (TAVREL_MODEL_META_TYPE_META_DATABASE, root);
  EXPECT_EQ (0, size (tavrel_model_meta_meta_database_get_schemas (TAVREL_MODEL_META_META_DATABASE (database))));
  /* Bytes that are no UTF-8 are repaired, not kept: written as they are,
   * they would make a document that no longer reads. */
  EXPECT_EQ ("\xef\xbf\xbd(", entry (tavrel_model_meta_meta_object_get_attributes (as_object (database)),
                                   "\xef\xbf\xbd\xef\xbf\xbd"));
  EXPECT_STREQ ("a\xef\xbf\xbd\xef\xbf\xbdz", tavrel_model_meta_meta_object_get_comment (as_object (database)));

  /* json-glib's parser gives an unpaired surrogate escape as bytes that are
   * no UTF-8; whatever the reader keeps of it must write and read again. */
  const std::string surrogates =
      R"({"name": "n\ud800xx", "attributes": {"k\udc00xx": "v\udfffxx"}, "columns": ["c\ud800xx"]})";
  g_autoptr (GObject) index = from_json (TAVREL_MODEL_META_TYPE_META_INDEX, surrogates);
  ASSERT_NE (nullptr, index);
  const std::string written = to_json (index);
  ASSERT_TRUE (g_utf8_validate (written.c_str (), -1, nullptr)) << written;
  g_autoptr (GObject) again = from_json (TAVREL_MODEL_META_TYPE_META_INDEX, written);
  ASSERT_NE (nullptr, again) << written;
  EXPECT_EQ (written, to_json (again));
}

TEST_F (Meta, FullNameInItsFourForms)
{
  g_autoptr (TavrelModelMetaMetaObject) plain = tavrel_model_meta_meta_object_new ();
  g_autoptr (TavrelModelMetaMetaTable) table = tavrel_model_meta_meta_table_new_with_names ("shop", "public", "users");
  g_autoptr (TavrelModelMetaMetaColumn) column = tavrel_model_meta_meta_column_new_with_type ("c", TAVREL_MODEL_DATA_DATA_TYPE_INT32, "int");
  tavrel_model_meta_meta_object_set_schema (as_object (column), "s");
  g_autoptr (TavrelModelMetaMetaSchema) schema = tavrel_model_meta_meta_schema_new_with_names ("shop", "public");
  g_autoptr (TavrelModelMetaMetaDatabase) database = tavrel_model_meta_meta_database_new_with_name ("db");
  g_autoptr (TavrelModelMetaMetaClassify) node = tavrel_model_meta_meta_classify_new (TavrelModelMetaDBObject (99), "shop", "public", "Odd");
  struct Case {
    gpointer object;
    const char *names[4]; /* (with_database, with_kind): ff, tf, ft, tt */
  };
  const Case cases[] = {
      {plain, {".", "..", "unknown:.", "unknown:.."}},
      {table, {"public.users", "shop.public.users", "table:public.users", "table:shop.public.users"}},
      {column, {"s.c", ".s.c", "column:s.c", "column:.s.c"}},
      {schema, {"public", "shop.public", "schema:public", "schema:shop.public"}},
      {database, {".", "db..", "database:.", "database:db.."}},
      /* A kind outside the enumeration has no prefix text. */
      {node, {"public.Odd", "shop.public.Odd", ":public.Odd", ":shop.public.Odd"}},
  };
  for (const Case &c : cases)
    for (int form = 0; form < 4; form++)
      EXPECT_EQ (c.names[form], fullname (c.object, form & 1, form >> 1)) << G_OBJECT_TYPE_NAME (c.object) << " form " << form;
  /* A part a caller set null reads as empty rather than reaching printf. */
  tavrel_model_meta_meta_object_set_schema (plain, nullptr);
  EXPECT_EQ ("unknown:..", fullname (plain, TRUE, TRUE));
}

TEST_F (Meta, ChangeRecordResetAndAttributes)
{
  g_autoptr (TavrelModelMetaMetaObject) object = tavrel_model_meta_meta_object_new ();
  tavrel_model_meta_meta_object_set_name (object, "n");
  tavrel_model_meta_meta_object_set_schema (object, "s");
  tavrel_model_meta_meta_object_set_database (object, "d");
  tavrel_model_meta_meta_object_set_comment (object, "about");

  /* The maps handed out are the live ones: later entries show in them. */
  g_autoptr (GeeHashMap) diff = tavrel_model_meta_meta_object_diff (object);
  g_autoptr (GeeHashMap) slice = tavrel_model_meta_meta_object_slice (object);
  tavrel_model_meta_meta_object_append_diff (object, "name", TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
  tavrel_model_meta_meta_object_append_diff (object, "name", TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE);
  tavrel_model_meta_meta_object_append_slice (object, "attributes.a", "1");
  EXPECT_EQ (1, gee_abstract_map_get_size (GEE_ABSTRACT_MAP (diff)));
  EXPECT_EQ (TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE,
             GPOINTER_TO_UINT (gee_abstract_map_get (GEE_ABSTRACT_MAP (diff), "name")));
  EXPECT_EQ ("1", entry (slice, "attributes.a"));
  tavrel_model_meta_meta_object_clear_slice (object);
  EXPECT_EQ (0, gee_abstract_map_get_size (GEE_ABSTRACT_MAP (slice)));
  EXPECT_EQ (1, gee_abstract_map_get_size (GEE_ABSTRACT_MAP (diff)));
  tavrel_model_meta_meta_object_clear_diff (object);
  EXPECT_EQ (0, gee_abstract_map_get_size (GEE_ABSTRACT_MAP (diff)));

  /* The attributes map is the live one; handing it back changes nothing,
   * another map replaces it. */
  GeeHashMap *attributes = tavrel_model_meta_meta_object_get_attributes (object);
  gee_abstract_map_set (GEE_ABSTRACT_MAP (attributes), "owner", "app");
  NotifyCounter attributes_notified (object, "attributes");
  tavrel_model_meta_meta_object_set_attributes (object, attributes);
  EXPECT_EQ (0, attributes_notified.count ());

  /* Reset keeps identity, empties the record and the attributes in place,
   * clears the comment once and drops the caller's mark. */
  tavrel_model_meta_meta_object_append_diff (object, "comment", TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE);
  tavrel_model_meta_meta_object_append_slice (object, "comment", "before");
  static int dropped;
  dropped = 0;
  g_object_set_data_full (G_OBJECT (object), "FILLED", &dropped, [] (gpointer data) { ++*static_cast<int *> (data); });
  NotifyCounter comment (object, "comment");
  tavrel_model_meta_meta_object_reset (object);
  EXPECT_EQ (1, comment.count ());
  EXPECT_EQ (1, dropped);
  EXPECT_EQ (nullptr, g_object_get_data (G_OBJECT (object), "FILLED"));
  EXPECT_EQ (attributes, tavrel_model_meta_meta_object_get_attributes (object));
  EXPECT_EQ (0, gee_abstract_map_get_size (GEE_ABSTRACT_MAP (attributes)));
  EXPECT_EQ (0, gee_abstract_map_get_size (GEE_ABSTRACT_MAP (diff)));
  EXPECT_EQ (0, gee_abstract_map_get_size (GEE_ABSTRACT_MAP (slice)));
  EXPECT_EQ ("d.s.n", fullname (object, TRUE, FALSE));
  EXPECT_STREQ ("", tavrel_model_meta_meta_object_get_comment (object));
  tavrel_model_meta_imeta_data_reset (TAVREL_MODEL_META_IMETA_DATA (object));
  EXPECT_EQ (1, comment.count ());

  /* Operations on an object whose caller took the attributes away. */
  tavrel_model_meta_meta_object_set_attributes (object, nullptr);
  EXPECT_EQ (1, attributes_notified.count ());
  tavrel_model_meta_meta_object_reset (object);
  g_autoptr (GObject) copy = G_OBJECT (tavrel_model_meta_imeta_data_clone (TAVREL_MODEL_META_IMETA_DATA (object)));
  EXPECT_EQ (0, gee_abstract_map_get_size (attributes_of (copy)));
  Serialized json (object);
  EXPECT_EQ (0u, json_object_get_size (json_object_get_object_member (json.object (), "attributes")));
}

/* The exact conditions of the class checks.  The bad-argument suite,
 * written from the headers, passes NULL for every pointer of every function
 * and checks each condition word for word; of a wrong class it only checks
 * that the condition names the argument. */
TEST_F (Meta, WrongClassesAreRefusedByTheirCheck)
{
  struct Case {
    const char *function;
    const char *condition;
    std::function<gpointer ()> call;
  };
  g_autoptr (GObject) stranger = G_OBJECT (g_object_new (G_TYPE_OBJECT, nullptr));
  const Case cases[] = {
      {"tavrel_model_meta_meta_object_fullname", "TAVREL_MODEL_META_IS_META_OBJECT (self)",
       [&] { return (gpointer) tavrel_model_meta_meta_object_fullname ((Object *) stranger, TRUE, TRUE); }},
      {"tavrel_model_meta_imeta_data_clone", "TAVREL_MODEL_META_IS_IMETA_DATA (self)",
       [&] { return (gpointer) tavrel_model_meta_imeta_data_clone ((TavrelModelMetaIMetaData *) stranger); }},
      {"tavrel_model_meta_meta_object_construct", "g_type_is_a (object_type, TAVREL_MODEL_META_TYPE_META_OBJECT)",
       [&] { return (gpointer) tavrel_model_meta_meta_object_construct (G_TYPE_OBJECT); }},
      {"tavrel_model_meta_meta_function_construct_with_names",
       "g_type_is_a (object_type, TAVREL_MODEL_META_TYPE_META_FUNCTION)",
       [&] { return (gpointer) tavrel_model_meta_meta_function_construct_with_names (TAVREL_MODEL_META_TYPE_META_ROUTINE, "d", "s", "n"); }},
  };
  for (const Case &c : cases) {
    EXPECT_EQ (nullptr, c.call ()) << c.function;
    expect_critical (lmtest::critical_text (c.function, c.condition));
  }
  EXPECT_EQ (0u, pending ());
}
