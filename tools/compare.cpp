/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "tools/compare.h"

#include <libmodel.h>

#include <algorithm>
#include <memory>
#include <optional>
#include <unordered_map>

#include "tools/catalog.h"
#include "tools/ddl.h"
#include "tools/driver.h"
#include "tools/lists.h"
#include "tools/rows.h"

namespace modeltool {

using Meta = TavrelModelMetaMetaObject;
using Version = TavrelModelTransformDataVersion;

namespace {

Meta *
meta (gpointer object)
{
  return TAVREL_MODEL_META_META_OBJECT (object);
}

std::string
version_text (guint version)
{
  g_autofree gchar *text = tavrel_model_transform_data_version_to_string (Version (version));
  return text ? text : "";
}

bool
is_name_token (const ddl::Token &token)
{
  return token.kind == ddl::Token::WORD || token.kind == ddl::Token::QUOTED || token.kind == ddl::Token::NUMBER ||
         token.kind == ddl::Token::STRING;
}

}  // namespace

Rename
parse_rename (const std::string &text)
{
  auto refuse = [&] () { fail ("--rename " + text, "expected OLD=NEW or TABLE.OLD=NEW"); };
  /* The "=" that ends the old name: none inside a quoted name counts. */
  size_t equals = std::string::npos;
  char close = 0;
  for (size_t i = 0; i < text.size () && equals == std::string::npos; i++) {
    char c = text[i];
    if (close)
      close = c == close ? 0 : close;
    else if (c == '"' || c == '`')
      close = c;
    else if (c == '[')
      close = ']';
    else if (c == '=')
      equals = i;
  }
  if (equals == std::string::npos)
    refuse ();

  std::vector<std::string> path;
  std::vector<ddl::Token> tokens = ddl::tokenize (std::string_view (text).substr (0, equals));
  for (size_t i = 0; i < tokens.size (); i++) {
    bool expect_name = i % 2 == 0;
    if (expect_name ? !is_name_token (tokens[i]) : tokens[i].text != ".")
      refuse ();
    if (expect_name)
      path.push_back (ddl::unquote (tokens[i]));
  }
  if (tokens.size () % 2 == 0 || path.size () > 2)
    refuse ();

  std::string right = text.substr (equals + 1);
  std::vector<ddl::Token> new_tokens = ddl::tokenize (right);
  std::string new_name;
  if (new_tokens.size () == 1 && new_tokens[0].kind == ddl::Token::QUOTED)
    new_name = ddl::unquote (new_tokens[0]);
  else
    new_name = g_strstrip (right.data ());
  if (new_name.empty ())
    refuse ();

  Rename rename;
  if (path.size () == 2)
    rename.table = path[0];
  rename.old_name = path.back ();
  rename.new_name = new_name;
  rename.given = text;
  return rename;
}

namespace {

/* ---- catalogues ------------------------------------------------------------ */

/* The first member of a list with that name: spelled alike, or else alike
 * but for letter case, as SQLite compares names. */
Meta *
member_named (GeeArrayList *list, const std::string &name)
{
  std::vector<Meta *> members = members_of (list);
  for (Meta *member : members)
    if (name == name_of (member))
      return member;
  for (Meta *member : members)
    if (ddl::same_name (name, name_of (member)))
      return member;
  return nullptr;
}

/* The lists of catalogue objects an object holds, by property name. */
std::vector<std::pair<const char *, GeeArrayList *>>
member_lists (gpointer object)
{
  std::vector<std::pair<const char *, GeeArrayList *>> lists;
  guint n = 0;
  g_autofree GParamSpec **pspecs = g_object_class_list_properties (G_OBJECT_GET_CLASS (object), &n);
  for (guint i = 0; i < n; i++) {
    if (!g_type_is_a (pspecs[i]->value_type, GEE_TYPE_ARRAY_LIST) || !(pspecs[i]->flags & G_PARAM_READABLE))
      continue;
    GeeArrayList *list = nullptr;
    g_object_get (object, pspecs[i]->name, &list, nullptr);
    if (!list)
      continue;
    /* The object keeps the list; the borrowed pointer outlives the call. */
    g_object_unref (list);
    if (g_type_is_a (gee_traversable_get_element_type (GEE_TRAVERSABLE (list)), TAVREL_MODEL_META_TYPE_META_OBJECT))
      lists.emplace_back (pspecs[i]->name, list);
  }
  return lists;
}

GeeArrayList *
list_named (gpointer object, const char *property)
{
  for (auto &[name, list] : member_lists (object))
    if (strcmp (name, property) == 0)
      return list;
  return nullptr;
}

void
mark_renamed (Meta *member, const char *old_name)
{
  gee_abstract_map_set (GEE_ABSTRACT_MAP (tavrel_model_meta_meta_object_get_attributes (member)), "__name__", old_name);
}

/* Marks in second's lists each member named new whose list in first has a
 * member named old: the patcher then pairs the two. */
bool
mark_in_lists (gpointer first, gpointer second, const Rename &rename)
{
  bool marked = false;
  for (auto &[property, list] : member_lists (second)) {
    GeeArrayList *before = list_named (first, property);
    Meta *renamed = member_named (list, rename.new_name);
    Meta *original = before ? member_named (before, rename.old_name) : nullptr;
    if (renamed && original) {
      mark_renamed (renamed, name_of (original));
      marked = true;
    }
  }
  return marked;
}

void
apply_renames (TavrelModelMetaMetaDatabase *first, TavrelModelMetaMetaDatabase *second, const std::vector<Rename> &renames)
{
  GeeArrayList *first_schemas = tavrel_model_meta_meta_database_get_schemas (first);
  for (Meta *schema : members_of (tavrel_model_meta_meta_database_get_schemas (second))) {
    Meta *before = member_named (first_schemas, name_of (schema));
    if (!before)
      continue;
    for (const Rename &rename : renames) {
      if (rename.table.empty ()) {
        if (!mark_in_lists (before, schema, rename))
          fail ("--rename " + rename.given, "no table or view " + rename.old_name + " in the first and " + rename.new_name +
                                        " in the second");
        continue;
      }
      /* The table by the name it has on either side. */
      auto table_in = [&] (Meta *owner, bool first_side) -> Meta * {
        GeeArrayList *tables = tavrel_model_meta_meta_schema_get_tables (TAVREL_MODEL_META_META_SCHEMA (owner));
        if (Meta *table = member_named (tables, rename.table))
          return table;
        for (const Rename &other : renames)
          if (other.table.empty () && ddl::same_name (first_side ? other.new_name : other.old_name, rename.table))
            return member_named (tables, first_side ? other.old_name : other.new_name);
        return nullptr;
      };
      Meta *old_table = table_in (before, true), *new_table = table_in (schema, false);
      if (!old_table || !new_table)
        fail ("--rename " + rename.given, "no table " + rename.table + " in both");
      if (!mark_in_lists (old_table, new_table, rename))
        fail ("--rename " + rename.given, "no " + rename.old_name + " in the first's " + rename.table + " and " +
                                      rename.new_name + " in the second's");
    }
  }
}

/* A value as the change record shows it: strings as they are, booleans
 * and enumerations by name. */
std::string
shown (GParamSpec *pspec, const GValue *value)
{
  if (G_VALUE_HOLDS_STRING (value)) {
    const char *text = g_value_get_string (value);
    return text ? text : "";
  }
  if (G_VALUE_HOLDS_BOOLEAN (value))
    return g_value_get_boolean (value) ? "true" : "false";
  if (G_VALUE_HOLDS_ENUM (value)) {
    GEnumValue *member = g_enum_get_value (G_ENUM_CLASS (g_type_class_peek (pspec->value_type)), g_value_get_enum (value));
    if (member)
      return member->value_nick;
  }
  g_autofree gchar *text = g_strdup_value_contents (value);
  return text;
}

/* The patcher keeps a scalar's old value as GLib renders it; shown as
 * the new value is. */
std::string
shown_old (GParamSpec *pspec, const std::string &slice)
{
  if (pspec->value_type == G_TYPE_STRING) {
    g_autofree gchar *text = g_strcompress (slice.c_str ());
    return text;
  }
  if (pspec->value_type == G_TYPE_BOOLEAN)
    return slice == "TRUE" ? "true" : slice == "FALSE" ? "false" : slice;
  if (G_TYPE_IS_ENUM (pspec->value_type)) {
    /* "((TypeName) MEMBER_NAME)" */
    size_t space = slice.rfind (' ');
    if (space != std::string::npos && slice.size () > space + 3 && slice.compare (slice.size () - 1, 1, ")") == 0) {
      std::string name = slice.substr (space + 1, slice.size () - space - 2);
      auto *klass = G_ENUM_CLASS (g_type_class_peek (pspec->value_type));
      if (GEnumValue *member = klass ? g_enum_get_value_by_name (klass, name.c_str ()) : nullptr)
        return member->value_nick;
    }
  }
  return slice;
}

struct Change {
  std::string path;
  guint version;
  std::optional<std::string> old_text, new_text;
  Meta *member = nullptr;  // the target's list member the path names
};

/* The change record of one object, in path order. */
std::vector<Change>
changes_of (Meta *object)
{
  g_autoptr (GeeHashMap) diff = tavrel_model_meta_meta_object_diff (object);
  g_autoptr (GeeHashMap) slice = tavrel_model_meta_meta_object_slice (object);
  std::vector<Change> changes;
  GeeMapIterator *it = gee_abstract_map_map_iterator (GEE_ABSTRACT_MAP (diff));
  while (gee_map_iterator_next (it)) {
    g_autofree gchar *path = static_cast<gchar *> (gee_map_iterator_get_key (it));
    changes.push_back (Change{path, GPOINTER_TO_UINT (gee_map_iterator_get_value (it)), {}, {}, nullptr});
  }
  g_object_unref (it);
  std::sort (changes.begin (), changes.end (), [] (auto &a, auto &b) { return a.path < b.path; });

  auto lists = member_lists (object);
  for (Change &change : changes) {
    g_autofree gchar *old = static_cast<gchar *> (gee_abstract_map_get (GEE_ABSTRACT_MAP (slice), change.path.c_str ()));
    bool in_list = false;
    for (auto &[property, list] : lists) {
      std::string prefix = std::string (property) + ".";
      if (change.path.compare (0, prefix.size (), prefix) == 0) {
        in_list = true;
        if (change.version == TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE)
          change.member = member_named (list, change.path.substr (prefix.size ()));
      }
    }
    if (in_list)
      continue;
    if (change.path.compare (0, 11, "attributes.") == 0) {
      /* Attribute texts are kept as they are. */
      if (old)
        change.old_text = old;
      GeeHashMap *attributes = tavrel_model_meta_meta_object_get_attributes (object);
      g_autofree gchar *now = static_cast<gchar *> (gee_abstract_map_get (GEE_ABSTRACT_MAP (attributes), change.path.c_str () + 11));
      if (now)
        change.new_text = now;
      continue;
    }
    GParamSpec *pspec = g_object_class_find_property (G_OBJECT_GET_CLASS (object), change.path.c_str ());
    if (!pspec)
      continue;
    if (old)
      change.old_text = shown_old (pspec, old);
    if (!g_type_is_a (pspec->value_type, G_TYPE_OBJECT)) {
      g_auto (GValue) value = G_VALUE_INIT;
      g_value_init (&value, pspec->value_type);
      g_object_get_property (G_OBJECT (object), pspec->name, &value);
      change.new_text = shown (pspec, &value);
    }
  }
  return changes;
}

void
print_changes (FILE *out, Meta *object, int depth)
{
  std::vector<Change> changes = changes_of (object);
  size_t width = 0;
  for (const Change &change : changes)
    width = std::max (width, size_t (g_utf8_strlen (one_line (change.path).c_str (), -1)));
  for (const Change &change : changes) {
    std::string path = one_line (change.path);
    std::string line (size_t (depth) * 2, ' ');
    line += path + std::string (width - size_t (g_utf8_strlen (path.c_str (), -1)), ' ') + "  " + version_text (change.version);
    if (change.old_text)
      line += "  was " + json_string (*change.old_text);
    if (change.new_text)
      line += "  now " + json_string (*change.new_text);
    fprintf (out, "%s\n", line.c_str ());
    if (change.member)
      print_changes (out, change.member, depth + 1);
  }
}

void
json_changes (std::string &out, Meta *object, std::vector<std::string> &where)
{
  where.push_back (name_of (object));
  g_autofree gchar *kind = tavrel_model_meta_db_object_to_string (tavrel_model_meta_meta_object_character (object));
  std::string owner = "[";
  for (size_t i = 0; i < where.size (); i++)
    owner += (i ? ", " : "") + json_string (where[i]);
  owner += "]";
  for (const Change &change : changes_of (object)) {
    out += out.empty () ? "\n    " : ",\n    ";
    out += "{\"object\": " + owner + ", \"kind\": " + json_string (kind ? kind : "") + ", \"path\": " +
           json_string (change.path) + ", \"change\": " + json_string (version_text (change.version));
    if (change.old_text)
      out += ", \"old\": " + json_string (*change.old_text);
    if (change.new_text)
      out += ", \"new\": " + json_string (*change.new_text);
    out += "}";
    if (change.member)
      json_changes (out, change.member, where);
  }
  where.pop_back ();
}

}  // namespace

int
diff_catalogues (FILE *out, const std::string &first, const std::string &second, const CompareOptions &options)
{
  g_autoptr (TavrelModelMetaMetaDatabase) source = load_catalogue (first);
  g_autoptr (TavrelModelMetaMetaDatabase) target = load_catalogue (second);
  apply_renames (source, target, options.renames);
  g_autoptr (TavrelModelTransformPatcher) patcher = tavrel_model_transform_patcher_new ();
  bool identical = tavrel_model_transform_patcher_diff_model (patcher, meta (source), meta (target)) ==
                   TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL;
  if (options.json) {
    std::string changes;
    std::vector<std::string> where;
    json_changes (changes, meta (target), where);
    fprintf (out, "{\n  \"first\": %s,\n  \"second\": %s,\n  \"identical\": %s,\n  \"changes\": [%s%s]\n}\n",
             json_string (first).c_str (), json_string (second).c_str (), identical ? "true" : "false", changes.c_str (),
             changes.empty () ? "" : "\n  ");
  } else if (!identical) {
    fprintf (out, "--- %s\n+++ %s\n", one_line (first).c_str (), one_line (second).c_str ());
    print_changes (out, meta (target), 0);
  }
  return identical ? 0 : 1;
}

/* ---- data ------------------------------------------------------------------ */

namespace {

/* One side's table: its name there and its columns. */
struct Side {
  std::unique_ptr<Connection> db;
  std::string table;
  std::string type;
  bool without_rowid = false;
  std::vector<std::string> columns;
  std::vector<std::pair<int, std::string>> key;  // position in the primary key, column

  Side (const std::string &source, const std::string &name) : db (std::make_unique<Connection> (source))
  {
    Statement object = db->prepare (
        "SELECT type, name, sql FROM sqlite_schema WHERE type IN ('table', 'view') AND name = ?1 COLLATE NOCASE");
    object.bind (1, name);
    if (!object.step ())
      fail (db->label (), "no table " + name);
    type = object.string (0);
    table = object.string (1);
    without_rowid = ddl::parse_table (object.string (2)).without_rowid;
    Statement columns_of = db->prepare ("SELECT name, pk FROM pragma_table_xinfo (?1) WHERE hidden <> 1 ORDER BY cid");
    columns_of.bind (1, table);
    while (columns_of.step ()) {
      columns.push_back (columns_of.string (0));
      if (columns_of.integer (1) > 0)
        key.emplace_back (int (columns_of.integer (1)), columns.back ());
    }
    std::sort (key.begin (), key.end ());
  }

  int column_index (const std::string &name) const
  {
    for (size_t i = 0; i < columns.size (); i++)
      if (ddl::same_name (columns[i], name))
        return int (i);
    return -1;
  }

  /* A name for the rowid that no column hides. */
  std::string rowid_alias () const
  {
    for (const char *alias : {"rowid", "_rowid_", "oid"})
      if (column_index (alias) < 0)
        return alias;
    return {};
  }
};

TavrelModelDataRowModel *
row_of (TavrelModelDataTableModel *table, guint i)
{
  auto *row = static_cast<TavrelModelDataRowModel *> (g_list_model_get_item (G_LIST_MODEL (table), i));
  if (row)
    g_object_unref (row);  // the table keeps it
  return row;
}

guint
tag_of (TavrelModelDataValueObject *value)
{
  return value ? GPOINTER_TO_UINT (g_object_get_data (G_OBJECT (value), "VERSION")) : 0;
}

/* The texts of a row's key values, as the keyed comparison pairs rows. */
std::string
key_text (TavrelModelDataRowModel *row, const std::vector<gint> &keys)
{
  std::string key;
  for (gint k : keys) {
    g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_row_model_get_value_at (row, k);
    g_autofree gchar *text = value ? tavrel_model_data_value_object_to_string (value) : nullptr;
    key += text ? std::to_string (strlen (text)) + ":" + text : std::string ("-");
  }
  return key;
}

}  // namespace

int
diff_data (FILE *out, const std::string &first, const std::string &second, const std::string &table,
           const CompareOptions &options)
{
  Side a (first, table);
  std::string second_name = table;
  for (const Rename &rename : options.renames)
    if (rename.table.empty () && ddl::same_name (rename.old_name, a.table))
      second_name = rename.new_name;
  Side b (second, second_name);

  /* Columns pair by name, or by a rename given for this table. */
  std::vector<std::pair<int, int>> pairs;
  std::vector<std::string> only_first, only_second;
  std::vector<bool> paired_second (b.columns.size (), false);
  for (size_t i = 0; i < a.columns.size (); i++) {
    std::string name = a.columns[i];
    for (const Rename &rename : options.renames)
      if ((ddl::same_name (rename.table, a.table) || ddl::same_name (rename.table, b.table)) &&
          ddl::same_name (rename.old_name, name))
        name = rename.new_name;
    int j = b.column_index (name);
    if (j < 0 || paired_second[size_t (j)]) {
      only_first.push_back (a.columns[i]);
      continue;
    }
    paired_second[size_t (j)] = true;
    pairs.emplace_back (int (i), j);
  }
  for (size_t j = 0; j < b.columns.size (); j++)
    if (!paired_second[j])
      only_second.push_back (b.columns[j]);
  if (pairs.empty ())
    fail (b.db->label (), b.table + " has no column of the same name as one of " + a.db->label () + "'s " + a.table);

  /* The key: the first table's primary key, or its rowid. */
  std::vector<gint> keys;
  std::vector<std::string> key_names;
  std::string rowid;
  if (!options.by_position) {
    for (auto &[position, column] : a.key) {
      auto pair = std::find_if (pairs.begin (), pairs.end (),
                                [&] (auto &p) { return ddl::same_name (a.columns[size_t (p.first)], column); });
      if (pair == pairs.end ())
        fail (b.db->label (), b.table + " lacks " + column + ", part of the key of " + a.table);
      keys.push_back (gint (pair - pairs.begin ()));
      key_names.push_back (column);
    }
    if (keys.empty ()) {
      if (a.type != "table" || a.without_rowid)
        fail (a.db->label (), a.table + " has neither a primary key nor a rowid; compare it with --by-position");
      rowid = a.rowid_alias ();
      if (rowid.empty () || b.rowid_alias () != rowid)
        fail (a.db->label (), a.table + " has columns named rowid, _rowid_ and oid; compare it with --by-position");
      keys.push_back (0);
      key_names.push_back ("rowid");
    }
  }

  auto statement = [&] (const Side &side, bool first_side) {
    std::string sql = "SELECT ";
    if (!rowid.empty ())
      sql += rowid + ", ";
    for (size_t i = 0; i < pairs.size (); i++)
      sql += (i ? ", " : "") +
             quote_identifier (side.columns[size_t (first_side ? pairs[i].first : pairs[i].second)]);
    sql += " FROM " + quote_identifier (side.table);
    /* By result position: a renamed key column has another name there. */
    for (size_t k = 0; k < keys.size (); k++)
      sql += (k ? ", " : " ORDER BY ") + std::to_string (keys[k] + 1);
    return sql;
  };
  std::vector<int> exact (keys.begin (), keys.end ());
  g_autoptr (TavrelModelDataTableModel) source = read_table (*a.db, statement (a, true), exact);
  g_autoptr (TavrelModelDataTableModel) target = read_table (*b.db, statement (b, false), exact);
  tavrel_model_data_table_model_metadata (source, MAIN, a.table.c_str ());
  tavrel_model_data_table_model_metadata (target, MAIN, b.table.c_str ());

  g_autoptr (TavrelModelTransformPatcher) patcher = tavrel_model_transform_patcher_new ();
  TavrelModelDataTableModel *patched = nullptr;
  if (options.by_position)
    tavrel_model_transform_patcher_diff_data_table (patcher, source, target, &patched);
  else
    tavrel_model_transform_patcher_diff_data_table_by_key (patcher, source, target, keys.data (), gint (keys.size ()),
                                                           &patched);
  g_autoptr (TavrelModelDataTableModel) changed = patched;

  guint n_source = g_list_model_get_n_items (G_LIST_MODEL (source));
  guint n_target = g_list_model_get_n_items (G_LIST_MODEL (target));
  guint n_changed = changed ? g_list_model_get_n_items (G_LIST_MODEL (changed)) : 0;
  bool uncompared = options.by_position && n_source != n_target;
  bool identical = n_changed == 0 && only_first.empty () && only_second.empty () && !uncompared;

  /* The source row of each updated row, for the values it had: by key, or
   * by the position of the target row whose values the patched row shares. */
  std::unordered_map<std::string, TavrelModelDataRowModel *> source_by_key;
  std::unordered_map<gpointer, guint> target_position;
  if (options.by_position) {
    for (guint i = 0; i < n_target; i++) {
      g_autoptr (TavrelModelDataValueObject) first_value = tavrel_model_data_row_model_get_value_at (row_of (target, i), 0);
      target_position.emplace (first_value, i);
    }
  } else {
    for (guint i = 0; i < n_source; i++)
      source_by_key.emplace (key_text (row_of (source, i), keys), row_of (source, i));
  }
  auto source_of = [&] (TavrelModelDataRowModel *row) -> TavrelModelDataRowModel * {
    if (!options.by_position) {
      auto found = source_by_key.find (key_text (row, keys));
      return found == source_by_key.end () ? nullptr : found->second;
    }
    g_autoptr (TavrelModelDataValueObject) first_value = tavrel_model_data_row_model_get_value_at (row, 0);
    auto found = target_position.find (first_value);
    return found == target_position.end () || found->second >= n_source ? nullptr : row_of (source, found->second);
  };

  std::vector<std::string> header;
  if (!rowid.empty ())
    header.push_back ("rowid");
  for (auto &pair : pairs)
    header.push_back (b.columns[size_t (pair.second)]);
  gint n = gint (header.size ());

  guint counts[16] = {};
  for (guint r = 0; r < n_changed; r++)
    counts[tavrel_model_data_row_model_get_version (row_of (changed, r)) & 15]++;

  if (options.json) {
    auto names = [] (const std::vector<std::string> &list) {
      std::string text = "[";
      for (size_t i = 0; i < list.size (); i++)
        text += (i ? ", " : "") + json_string (list[i]);
      return text + "]";
    };
    fprintf (out, "{\n  \"first\": %s,\n  \"second\": %s,\n  \"table\": %s,\n  \"paired-by\": %s,\n",
             json_string (first).c_str (), json_string (second).c_str (), json_string (b.table).c_str (),
             options.by_position ? "\"position\"" : names (key_names).c_str ());
    fprintf (out, "  \"columns\": %s,\n  \"only-in-first\": %s,\n  \"only-in-second\": %s,\n",
             names (header).c_str (), names (only_first).c_str (), names (only_second).c_str ());
    if (options.by_position)
      fprintf (out, "  \"rows-in-first\": %u,\n  \"rows-in-second\": %u,\n", n_source, n_target);
    fprintf (out, "  \"identical\": %s,\n  \"rows\": [", identical ? "true" : "false");
    for (guint r = 0; r < n_changed; r++) {
      TavrelModelDataRowModel *row = row_of (changed, r);
      guint version = tavrel_model_data_row_model_get_version (row);
      TavrelModelDataRowModel *before = version == TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE ? source_of (row) : nullptr;
      std::string line = std::string (r ? "," : "") + "\n    {\"version\": " + json_string (version_text (version)) +
                         ", \"values\": [";
      for (gint c = 0; c < n; c++) {
        g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_row_model_get_value_at (row, c);
        line += std::string (c ? ", " : "") + "{\"value\": " + json_value (value);
        if (guint tag = version == TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE ? 0 : tag_of (value))
          line += ", \"tag\": " + json_string (version_text (tag));
        if (before && tag_of (value) == TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE) {
          g_autoptr (TavrelModelDataValueObject) old = tavrel_model_data_row_model_get_value_at (before, c);
          line += ", \"was\": " + json_value (old);
        }
        line += "}";
      }
      fputs ((line + "]}").c_str (), out);
    }
    fputs (n_changed ? "\n  ]\n}\n" : "]\n}\n", out);
    return identical ? 0 : 1;
  }

  if (identical)
    return 0;
  fprintf (out, "--- %s\n+++ %s\n", one_line (first).c_str (), one_line (second).c_str ());
  std::string summary = one_line (b.table) + ": rows paired by " +
                        (options.by_position ? std::string ("position") : one_line (join (key_names)));
  summary += "; " + std::to_string (counts[TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE]) + " updated, " +
             std::to_string (counts[TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE]) + " deleted, " +
             std::to_string (counts[TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT]) + " inserted";
  fprintf (out, "%s\n", summary.c_str ());
  if (!only_first.empty ())
    fprintf (out, "columns only in the first: %s\n", one_line (join (only_first)).c_str ());
  if (!only_second.empty ())
    fprintf (out, "columns only in the second: %s\n", one_line (join (only_second)).c_str ());
  if (uncompared)
    fprintf (out, "rows: %u in the first, %u in the second; rows past the shorter are not compared by position\n",
             n_source, n_target);
  if (n_changed == 0)
    return 1;

  Grid grid;
  grid.header.push_back ("version");
  for (const std::string &name : header)
    grid.header.push_back (one_line (name));
  grid.right_aligned.assign (grid.header.size (), false);
  for (gint c = 0; c < n; c++) {
    GeeArrayList *columns = tavrel_model_data_table_model_get_columns (target);
    auto *column = static_cast<TavrelModelDataColumnModel *> (object_at (columns, c));
    TavrelModelDataDataType kind = tavrel_model_data_column_model_get_data_type (column);
    grid.right_aligned[size_t (c) + 1] = kind == TAVREL_MODEL_DATA_DATA_TYPE_INT64 || kind == TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE;
  }
  grid.rows = n_changed;
  grid.cells = [&] (size_t r, std::vector<std::string> &cells) {
    TavrelModelDataRowModel *row = row_of (changed, guint (r));
    guint version = tavrel_model_data_row_model_get_version (row);
    TavrelModelDataRowModel *before = version == TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE ? source_of (row) : nullptr;
    cells.push_back (version_text (version));
    for (gint c = 0; c < n; c++) {
      g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_row_model_get_value_at (row, c);
      std::string text = one_line (cell_text (value));
      if (before && tag_of (value) == TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE) {
        g_autoptr (TavrelModelDataValueObject) old = tavrel_model_data_row_model_get_value_at (before, c);
        text += " (was " + one_line (cell_text (old)) + ")";
      }
      cells.push_back (text);
    }
  };
  print_aligned (out, grid);
  return 1;
}

}  // namespace modeltool
