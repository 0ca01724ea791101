/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "tools/catalog.h"

#include <algorithm>
#include <map>
#include <memory>
#include <set>
#include <unordered_map>
#include <vector>

#include "tools/ddl.h"
#include "tools/lists.h"
#include "tools/progress.h"
#include "tools/rows.h"

namespace modeltool {

/*
 * Four statements read the whole catalogue, each joining sqlite_schema with
 * a pragma function: one statement per kind of fact rather than one per
 * table keeps a database of ten thousand tables at four round trips.
 * Virtual tables are left out of the joins: listing their columns needs
 * their module, and a module this SQLite lacks would fail the whole
 * statement; they are read one by one.
 */
#define ORDINARY_TABLES \
  "m.type = 'table' AND m.name NOT LIKE 'sqlite\\_%' ESCAPE '\\' AND m.sql NOT LIKE 'CREATE VIRTUAL %'"

const char *const CATALOGUE_QUERIES[] = {
  "SELECT type, name, tbl_name, sql FROM sqlite_schema WHERE name NOT LIKE 'sqlite\\_%' ESCAPE '\\' ORDER BY rowid",
  "SELECT m.name, c.cid, c.name, c.type, c.\"notnull\", c.dflt_value, c.pk, c.hidden"
  " FROM sqlite_schema AS m, pragma_table_xinfo (m.name) AS c WHERE " ORDINARY_TABLES " ORDER BY m.rowid, c.cid",
  "SELECT m.name, l.name, l.\"unique\", l.origin, l.partial, x.seqno, x.cid, x.name, x.\"desc\", x.coll"
  " FROM sqlite_schema AS m, pragma_index_list (m.name) AS l, pragma_index_xinfo (l.name) AS x"
  " WHERE " ORDINARY_TABLES " AND x.key ORDER BY m.rowid, l.name, x.seqno",
  "SELECT m.name, f.id, f.\"table\", f.\"from\", f.\"to\", f.on_update, f.on_delete, f.\"match\""
  " FROM sqlite_schema AS m, pragma_foreign_key_list (m.name) AS f WHERE " ORDINARY_TABLES
  " ORDER BY m.rowid, f.id, f.seq",
};
const int N_CATALOGUE_QUERIES = G_N_ELEMENTS (CATALOGUE_QUERIES);

#undef ORDINARY_TABLES

namespace {

enum Query { OBJECTS, COLUMNS, INDEXES, FOREIGN_KEYS };

/* The columns of one virtual table, by name: the same columns as the
 * join's, so one reader takes both. */
const char VIRTUAL_COLUMNS_SQL[] =
    "SELECT ?1, c.cid, c.name, c.type, c.\"notnull\", c.dflt_value, c.pk, c.hidden FROM pragma_table_xinfo (?1) AS c";

using Meta = TavrelModelMetaMetaObject;

Meta *
meta (gpointer object)
{
  return TAVREL_MODEL_META_META_OBJECT (object);
}

void
set_attribute (gpointer object, const char *key, const std::string &value)
{
  gee_abstract_map_set (GEE_ABSTRACT_MAP (tavrel_model_meta_meta_object_get_attributes (meta (object))), key, value.c_str ());
}

struct Object {
  std::string type, name, table, sql;
};

struct ForeignKeyRows {
  std::string table;
  std::vector<std::string> from, to;
  std::string on_update, on_delete, match;
};

/* A table while its facts come in from the four statements. */
struct Entry {
  TavrelModelMetaMetaTable *table = nullptr;  // borrowed: the schema holds it
  ddl::Table ddl;
  std::vector<std::string> columns;
  std::map<int, std::string> primary_key;  // position in the key to column
  std::vector<std::vector<std::string>> uniques;
  std::vector<std::pair<size_t, TavrelModelMetaMetaIndex *>> indexes;  // schema position, new reference
  std::vector<ForeignKeyRows> foreign_keys;
  std::set<std::string> constraint_names;

  ~Entry ()
  {
    for (auto &index : indexes)
      g_object_unref (index.second);
  }

  /* A generated name, numbered when the table has it already. */
  std::string unique_name (const std::string &base)
  {
    std::string name = base;
    for (int n = 1; constraint_names.count (name); n++)
      name = base + std::to_string (n);
    constraint_names.insert (name);
    return name;
  }

  /* The declared name of a column given in any letter case, or the text. */
  std::string column_named (const std::string &text) const
  {
    for (const std::string &column : columns)
      if (ddl::same_name (column, text))
        return column;
    return text;
  }

  const ddl::Column *ddl_column (const std::string &name) const
  {
    for (const ddl::Column &column : ddl.columns)
      if (ddl::same_name (column.name, name))
        return &column;
    return nullptr;
  }
};

bool
same_columns (const std::vector<std::string> &a, const std::vector<std::string> &b)
{
  if (a.size () != b.size ())
    return false;
  for (size_t i = 0; i < a.size (); i++)
    if (!ddl::same_name (a[i], b[i]))
      return false;
  return true;
}

void
add_column (Entry &entry, const Statement &row)
{
  std::string name = row.string (2), type = row.string (3);
  TavrelModelMetaMetaColumn *column =
      tavrel_model_meta_meta_column_new_with_type (name.c_str (), ddl::kind_of_declared_type (type), type.c_str ());
  tavrel_model_meta_meta_object_set_database (meta (column), MAIN);
  tavrel_model_meta_meta_object_set_schema (meta (column), MAIN);
  tavrel_model_meta_meta_column_set_ordinal (column, guint16 (row.integer (1) + 1));
  gint64 length;
  guint8 scale;
  ddl::type_size (type, &length, &scale);
  tavrel_model_meta_meta_column_set_length (column, length);
  tavrel_model_meta_meta_column_set_scale (column, scale);
  tavrel_model_meta_meta_column_set_not_null (column, row.integer (4) != 0);
  tavrel_model_meta_meta_column_set_default_value (column, row.string (5).c_str ());
  if (sqlite3_int64 position = row.integer (6); position > 0) {
    tavrel_model_meta_meta_column_set_is_primary_key (column, TRUE);
    tavrel_model_meta_meta_column_set_primary_ordinal (column, guint8 (MIN (position, 255)));
    entry.primary_key[int (position)] = name;
  }
  const ddl::Column *declared = entry.ddl_column (name);
  /* SQLite's hidden 2 is a virtual generated column, 3 a stored one. */
  if (sqlite3_int64 hidden = row.integer (7); hidden == 2 || hidden == 3) {
    tavrel_model_meta_meta_column_set_is_virtual (column, TRUE);
    tavrel_model_meta_meta_column_set_is_generated_always (column, TRUE);
    tavrel_model_meta_meta_column_set_virtual_type (column, hidden == 2 ? "VIRTUAL" : "STORED");
    if (declared)
      tavrel_model_meta_meta_column_set_expression (column, declared->generated.c_str ());
  } else if (hidden == 1) {
    set_attribute (column, "hidden", "true");
  }
  if (declared) {
    tavrel_model_meta_meta_column_set_auto_increment (column, declared->autoincrement);
    tavrel_model_meta_meta_column_set_collation (column, declared->collation.c_str ());
    tavrel_model_meta_meta_column_set_conflict (column, declared->conflict.c_str ());
  }
  entry.columns.push_back (name);
  add_taking (tavrel_model_meta_meta_table_get_columns (entry.table), column);
}

/* An index's column as the catalogue writes it: the column's name, or the
 * expression as the CREATE INDEX spells it, with the collation and order
 * that are not the defaults. */
std::string
index_column (const Statement &row, const ddl::Index &declared)
{
  sqlite3_int64 seqno = row.integer (5), cid = row.integer (6);
  std::string text;
  if (cid == -2 && seqno >= 0 && size_t (seqno) < declared.items.size ()) {
    /* Only the expression: the order and collation come from the pragma. */
    const std::string &item = declared.items[size_t (seqno)];
    std::vector<ddl::Token> tokens = ddl::tokenize (item);
    size_t end = tokens.size ();
    if (end && (ddl::same_name (tokens[end - 1].text, "ASC") || ddl::same_name (tokens[end - 1].text, "DESC")))
      end--;
    if (end >= 2 && ddl::same_name (tokens[end - 2].text, "COLLATE"))
      end -= 2;
    text = end ? item.substr (0, tokens[end - 1].end) : item;
  } else if (cid == -1) {
    text = "rowid";
  } else {
    text = row.string (7);
  }
  std::string collation = row.string (9);
  if (!collation.empty () && !ddl::same_name (collation, "BINARY"))
    text += " COLLATE " + collation;
  if (row.integer (8))
    text += " DESC";
  return text;
}

std::string
check_name (Entry &entry, const ddl::Check &check)
{
  if (!check.name.empty ()) {
    entry.constraint_names.insert (check.name);
    return check.name;
  }
  std::string column = check.column.empty () ? std::string () : entry.column_named (check.column);
  /* A table's check is named after the first column it reads. */
  if (column.empty ())
    for (const ddl::Token &token : ddl::tokenize (check.expression)) {
      if (token.kind != ddl::Token::WORD && token.kind != ddl::Token::QUOTED)
        continue;
      std::string candidate = entry.column_named (ddl::unquote (token));
      if (std::find (entry.columns.begin (), entry.columns.end (), candidate) != entry.columns.end ()) {
        column = candidate;
        break;
      }
    }
  return entry.unique_name (column.empty () ? "check" : column + "_check");
}

std::string
key_name (Entry &entry, const std::string &declared, const std::vector<std::string> &columns, const char *suffix)
{
  if (!declared.empty ()) {
    entry.constraint_names.insert (declared);
    return declared;
  }
  return entry.unique_name (join (columns, "_") + suffix);
}

/* The referenced columns of a key that names none: the referenced table's
 * primary key, when the database has that table. */
std::vector<std::string>
implicit_reference (const std::unordered_map<std::string, Entry *> &tables, const std::string &table)
{
  std::vector<std::string> columns;
  auto found = tables.find (table);
  if (found == tables.end ())
    for (auto &[name, entry] : tables)
      if (ddl::same_name (name, table))
        found = tables.find (name);
  if (found != tables.end ())
    for (auto &[position, column] : found->second->primary_key)
      columns.push_back (column);
  return columns;
}

/* The constraints in a fixed order: primary key, unique keys, foreign keys,
 * checks, each in the order the table declares them. */
void
add_constraints (Entry &entry, const std::unordered_map<std::string, Entry *> &tables)
{
  GeeArrayList *constraints = tavrel_model_meta_meta_table_get_constraints (entry.table);
  const ddl::Table &ddl = entry.ddl;

  if (!entry.primary_key.empty ()) {
    std::vector<std::string> columns;
    for (auto &[position, column] : entry.primary_key)
      columns.push_back (column);
    bool declared = same_columns (columns, ddl.primary_key.columns);
    std::string name = key_name (entry, declared ? ddl.primary_key.name : std::string (), {}, "pkey");
    TavrelModelMetaMetaPrimaryKey *key = tavrel_model_meta_meta_primary_key_new_with_names (MAIN, MAIN, name.c_str ());
    GeeArrayList *list = tavrel_model_meta_meta_primary_key_get_columns (key);
    for (const std::string &column : columns)
      gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (list), column.c_str ());
    if (declared && !ddl.primary_key.conflict.empty ())
      set_attribute (key, "conflict", ddl.primary_key.conflict);
    add_taking (constraints, key);
  }

  for (const std::vector<std::string> &columns : entry.uniques) {
    const ddl::Key *declared = nullptr;
    for (const ddl::Key &key : ddl.uniques)
      if (same_columns (key.columns, columns))
        declared = &key;
    std::string name = key_name (entry, declared ? declared->name : std::string (), columns, "_key");
    TavrelModelMetaMetaUnique *unique = tavrel_model_meta_meta_unique_new_with_names (MAIN, MAIN, name.c_str ());
    tavrel_model_meta_meta_unique_set_columns (unique, join (columns).c_str ());
    if (declared)
      tavrel_model_meta_meta_unique_set_conflict (unique, declared->conflict.c_str ());
    add_taking (constraints, unique);
  }

  /* SQLite numbers foreign keys from the last declared; they are listed
   * as declared, each with what its declaration adds. */
  std::vector<std::pair<size_t, const ddl::ForeignKey *>> order;
  for (ForeignKeyRows &rows : entry.foreign_keys) {
    order.emplace_back (ddl.foreign_keys.size (), nullptr);
    for (size_t k = 0; k < ddl.foreign_keys.size (); k++)
      if (same_columns (ddl.foreign_keys[k].columns, rows.from) && ddl::same_name (ddl.foreign_keys[k].table, rows.table))
        order.back () = {k, &ddl.foreign_keys[k]};
  }
  std::vector<size_t> by_declaration (entry.foreign_keys.size ());
  for (size_t i = 0; i < by_declaration.size (); i++)
    by_declaration[i] = i;
  std::stable_sort (by_declaration.begin (), by_declaration.end (),
                    [&] (size_t x, size_t y) { return order[x].first < order[y].first; });
  for (size_t i : by_declaration) {
    ForeignKeyRows &rows = entry.foreign_keys[i];
    const ddl::ForeignKey *declared = order[i].second;
    std::string name = key_name (entry, declared ? declared->name : std::string (), rows.from, "_fkey");
    TavrelModelMetaMetaForeignKey *key =
        tavrel_model_meta_meta_foreign_key_new_with_refer (MAIN, MAIN, name.c_str (), MAIN, rows.table.c_str ());
    bool implicit = std::all_of (rows.to.begin (), rows.to.end (), [] (const std::string &c) { return c.empty (); });
    std::vector<std::string> to = implicit ? implicit_reference (tables, rows.table) : rows.to;
    tavrel_model_meta_meta_foreign_key_set_local_columns (key, join (rows.from).c_str ());
    tavrel_model_meta_meta_foreign_key_set_refer_columns (key, join (to).c_str ());
    tavrel_model_meta_meta_foreign_key_set_update_action (key, rows.on_update.c_str ());
    tavrel_model_meta_meta_foreign_key_set_delete_action (key, rows.on_delete.c_str ());
    /* SQLite parses MATCH and ignores it, reporting NONE whatever was
     * written: the declaration tells. */
    std::string match = declared ? declared->match : rows.match == "NONE" ? std::string () : rows.match;
    tavrel_model_meta_meta_foreign_key_set_match_method (key, match.c_str ());
    if (declared)
      tavrel_model_meta_meta_foreign_key_set_deferrable (key, declared->deferrable.c_str ());
    add_taking (constraints, key);
  }

  for (const ddl::Check &check : ddl.checks) {
    std::string name = check_name (entry, check);
    TavrelModelMetaMetaCheck *constraint =
        tavrel_model_meta_meta_check_new_with_names (MAIN, MAIN, name.c_str (), check.expression.c_str ());
    /* SQLite enforces every check it was given. */
    tavrel_model_meta_meta_check_set_enforced (constraint, TRUE);
    add_taking (constraints, constraint);
  }
}

TavrelModelMetaMetaTrigger *
new_trigger (const Object &object)
{
  ddl::Trigger declared = ddl::parse_trigger (object.sql);
  TavrelModelMetaMetaTrigger *trigger = tavrel_model_meta_meta_trigger_new_with_names (MAIN, MAIN, object.name.c_str ());
  tavrel_model_meta_meta_trigger_set_target (trigger, object.table.c_str ());
  tavrel_model_meta_meta_trigger_set_timing (trigger, declared.timing.c_str ());
  tavrel_model_meta_meta_trigger_set_event (trigger, declared.event.c_str ());
  tavrel_model_meta_meta_trigger_set_columns (trigger, declared.columns.c_str ());
  tavrel_model_meta_meta_trigger_set_when (trigger, declared.when.c_str ());
  tavrel_model_meta_meta_trigger_set_body (trigger, declared.body.c_str ());
  /* SQLite has row triggers only, and no way to disable one. */
  tavrel_model_meta_meta_trigger_set_for_each (trigger, "ROW");
  tavrel_model_meta_meta_trigger_set_enable (trigger, TRUE);
  return trigger;
}

/* A statement's rows grouped by the text of its first column, the table
 * each row belongs to; rows of one table come together. */
template <class Each>
void
rows_by_table (Statement &statement, const std::unordered_map<std::string, Entry *> &tables, Progress &progress,
               Each each)
{
  std::string current;
  Entry *entry = nullptr;
  gint64 seen = 0;
  while (statement.step ()) {
    const char *name = statement.text (0);
    if (!name)
      continue;
    if (!entry || current != name) {
      current = name;
      auto found = tables.find (current);
      entry = found == tables.end () ? nullptr : found->second;
      progress.set (++seen);
    }
    if (entry)
      each (*entry, statement);
  }
}

}  // namespace

TavrelModelMetaMetaDatabase *
read_catalogue (const Connection &db)
{
  g_autoptr (TavrelModelMetaMetaDatabase) database = tavrel_model_meta_meta_database_new_with_name (MAIN);
  g_autoptr (TavrelModelMetaMetaSchema) schema = tavrel_model_meta_meta_database_append (database, MAIN);
  {
    Statement encoding = db.prepare ("PRAGMA encoding");
    if (encoding.step ())
      set_attribute (database, "encoding", encoding.string (0));
    Statement version = db.prepare ("PRAGMA user_version");
    if (version.step () && version.integer (0) != 0)
      set_attribute (database, "user-version", version.string (0));
  }

  std::vector<Object> objects;
  {
    Statement statement = db.prepare (CATALOGUE_QUERIES[OBJECTS]);
    while (statement.step ())
      objects.push_back (Object{statement.string (0), statement.string (1), statement.string (2), statement.string (3)});
  }

  /* The tables and views first, in the schema's order, so that the facts
   * of the other statements find their table. */
  std::vector<std::unique_ptr<Entry>> entries;
  std::unordered_map<std::string, Entry *> tables;
  std::unordered_map<std::string, size_t> positions;
  std::unordered_map<std::string, TavrelModelMetaMetaView *> views;
  std::vector<Entry *> virtual_tables;
  for (size_t i = 0; i < objects.size (); i++) {
    const Object &object = objects[i];
    positions[object.name] = i;
    if (object.type == "table") {
      auto entry = std::make_unique<Entry> ();
      entry->table = tavrel_model_meta_meta_table_new_with_names (MAIN, MAIN, object.name.c_str ());
      entry->ddl = ddl::parse_table (object.sql);
      if (entry->ddl.without_rowid)
        set_attribute (entry->table, "without-rowid", "true");
      if (entry->ddl.strict)
        set_attribute (entry->table, "strict", "true");
      if (!entry->ddl.module.empty ()) {
        set_attribute (entry->table, "module", entry->ddl.module);
        virtual_tables.push_back (entry.get ());
      }
      add_taking (tavrel_model_meta_meta_schema_get_tables (schema), entry->table);
      tables[object.name] = entry.get ();
      entries.push_back (std::move (entry));
    } else if (object.type == "view") {
      TavrelModelMetaMetaView *view = tavrel_model_meta_meta_view_new_with_names (MAIN, MAIN, object.name.c_str ());
      ddl::View declared = ddl::parse_view (object.sql);
      tavrel_model_meta_meta_view_set_definition (view, declared.definition.c_str ());
      /* Names the view gives its columns, which its definition does not
       * show. */
      if (!declared.columns.empty ())
        set_attribute (view, "columns", declared.columns);
      views[object.name] = view;
      add_taking (tavrel_model_meta_meta_schema_get_views (schema), view);
    }
  }

  gint64 total = gint64 (tables.size ());
  gint64 threshold = total > LONG_READ_TABLES ? 0 : G_MAXINT64;
  {
    Progress progress ("the columns of tables", threshold, total);
    Statement statement = db.prepare (CATALOGUE_QUERIES[COLUMNS]);
    rows_by_table (statement, tables, progress, add_column);
  }
  for (Entry *entry : virtual_tables) {
    Statement statement = db.prepare (VIRTUAL_COLUMNS_SQL);
    statement.bind (1, name_of (entry->table));
    try {
      while (statement.step ())
        add_column (*entry, statement);
    } catch (const Failure &failure) {
      /* Only this table's module is missing; its columns stay unknown. */
      set_attribute (entry->table, "columns-unknown", sqlite3_errmsg (db.handle ()));
    }
  }
  {
    Progress progress ("the indexes of tables", threshold, total);
    Statement statement = db.prepare (CATALOGUE_QUERIES[INDEXES]);
    std::string current;
    TavrelModelMetaMetaIndex *index = nullptr;
    ddl::Index declared;
    rows_by_table (statement, tables, progress, [&] (Entry &entry, const Statement &row) {
      std::string name = row.string (1), origin = row.string (3);
      bool first = current != name;
      current = name;
      /* Keys SQLite made an index for are constraints, not indexes. */
      if (origin == "u") {
        if (first)
          entry.uniques.emplace_back ();
        entry.uniques.back ().push_back (row.string (7));
        return;
      }
      if (origin != "c")
        return;
      if (first) {
        auto position = positions.find (name);
        const std::string &sql = position == positions.end () ? std::string () : objects[position->second].sql;
        declared = ddl::parse_index (sql);
        index = tavrel_model_meta_meta_index_new_with_names (MAIN, MAIN, name_of (entry.table), name.c_str ());
        if (row.integer (2))
          tavrel_model_meta_meta_index_set_kind (index, "UNIQUE");
        if (row.integer (4))
          tavrel_model_meta_meta_index_set_where (index, declared.where.c_str ());
        entry.indexes.emplace_back (position == positions.end () ? objects.size () : position->second, index);
      }
      tavrel_model_meta_meta_index_append (index, index_column (row, declared).c_str ());
    });
  }
  {
    Progress progress ("the foreign keys of tables", threshold, total);
    Statement statement = db.prepare (CATALOGUE_QUERIES[FOREIGN_KEYS]);
    sqlite3_int64 current = -1;
    Entry *owner = nullptr;
    rows_by_table (statement, tables, progress, [&] (Entry &entry, const Statement &row) {
      if (&entry != owner || row.integer (1) != current) {
        owner = &entry;
        current = row.integer (1);
        entry.foreign_keys.push_back (
            ForeignKeyRows{row.string (2), {}, {}, row.string (5), row.string (6), row.string (7)});
      }
      entry.foreign_keys.back ().from.push_back (row.string (3));
      entry.foreign_keys.back ().to.push_back (row.string (4));
    });
  }

  for (auto &entry : entries) {
    add_constraints (*entry, tables);
    std::stable_sort (entry->indexes.begin (), entry->indexes.end (),
                      [] (auto &a, auto &b) { return a.first < b.first; });
    GeeArrayList *indexes = tavrel_model_meta_meta_table_get_indexes (entry->table);
    for (auto &index : entry->indexes)
      gee_abstract_collection_add (GEE_ABSTRACT_COLLECTION (indexes), index.second);
  }

  for (const Object &object : objects) {
    if (object.type != "trigger")
      continue;
    if (auto table = tables.find (object.table); table != tables.end ()) {
      add_taking (tavrel_model_meta_meta_table_get_triggers (table->second->table), new_trigger (object));
    } else if (auto view = views.find (object.table); view != views.end ()) {
      /* A view has no list of triggers: its INSTEAD OF triggers are kept
       * whole among its attributes. */
      set_attribute (view->second, ("trigger " + object.name).c_str (), object.sql);
    }
  }
  return static_cast<TavrelModelMetaMetaDatabase *> (g_steal_pointer (&database));
}

TavrelModelMetaMetaDatabase *
load_catalogue (const std::string &source)
{
  if (is_sample (source) || sniff (source) == Content::SQLITE) {
    Connection db (source);
    return read_catalogue (db);
  }

  gchar *text = nullptr;
  gsize length = 0;
  GError *error = nullptr;
  if (!g_file_get_contents (source.c_str (), &text, &length, &error)) {
    std::string cause = error->message;
    g_error_free (error);
    fail (source, cause);
  }
  g_autoptr (JsonParser) parser = json_parser_new_immutable ();
  bool parsed = json_parser_load_from_data (parser, text, gssize (length), &error);
  g_free (text);
  if (!parsed) {
    std::string cause = error->message;
    g_error_free (error);
    /* The parser names the data it was given "<data>"; the file is
     * named already. */
    if (cause.rfind ("<data>:", 0) == 0)
      cause = "line " + cause.substr (7);
    fail (source, "not valid JSON: " + cause);
  }
  JsonNode *root = json_parser_get_root (parser);
  JsonObject *object = root && JSON_NODE_HOLDS_OBJECT (root) ? json_node_get_object (root) : nullptr;
  JsonNode *schemas = object ? json_object_get_member (object, "schemas") : nullptr;
  if (!schemas || !JSON_NODE_HOLDS_ARRAY (schemas))
    fail (source, "JSON, but no catalogue: it has no \"schemas\" array");
  GObject *database = json_gobject_deserialize (TAVREL_MODEL_META_TYPE_META_DATABASE, root);
  if (!database)
    fail (source, "JSON, but no catalogue");
  return TAVREL_MODEL_META_META_DATABASE (database);
}

namespace {

/* JSON as people read it: two spaces a level, one member or element a
 * line, empty containers as {} and [], and members in the order the
 * library wrote them. */
void
write_json (std::string &out, JsonNode *node, int depth)
{
  std::string indent (size_t (depth + 1) * 2, ' ');
  switch (JSON_NODE_TYPE (node)) {
  case JSON_NODE_OBJECT: {
    JsonObjectIter it;
    const gchar *name;
    JsonNode *member;
    json_object_iter_init_ordered (&it, json_node_get_object (node));
    bool first = true;
    while (json_object_iter_next_ordered (&it, &name, &member)) {
      out += first ? "{\n" : ",\n";
      first = false;
      out += indent;
      append_json_string (out, name);
      out += ": ";
      write_json (out, member, depth + 1);
    }
    out += first ? "{}" : "\n" + indent.substr (2) + "}";
    break;
  }
  case JSON_NODE_ARRAY: {
    JsonArray *array = json_node_get_array (node);
    guint n = json_array_get_length (array);
    for (guint i = 0; i < n; i++) {
      out += i ? ",\n" : "[\n";
      out += indent;
      write_json (out, json_array_get_element (array, i), depth + 1);
    }
    out += n ? "\n" + indent.substr (2) + "]" : "[]";
    break;
  }
  case JSON_NODE_NULL:
    out += "null";
    break;
  case JSON_NODE_VALUE:
    switch (json_node_get_value_type (node)) {
    case G_TYPE_STRING:
      append_json_string (out, json_node_get_string (node));
      break;
    case G_TYPE_BOOLEAN:
      out += json_node_get_boolean (node) ? "true" : "false";
      break;
    case G_TYPE_DOUBLE: {
      gchar buffer[G_ASCII_DTOSTR_BUF_SIZE];
      out += g_ascii_dtostr (buffer, sizeof buffer, json_node_get_double (node));
      break;
    }
    default:
      out += std::to_string (json_node_get_int (node));
    }
    break;
  }
}

}  // namespace

std::string
catalogue_json (TavrelModelMetaMetaDatabase *database)
{
  JsonNode *root = json_gobject_serialize (G_OBJECT (database));
  std::string out;
  write_json (out, root, 0);
  json_node_unref (root);
  return out + "\n";
}

}  // namespace modeltool
