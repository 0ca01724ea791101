/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * What SQLite's pragmas do not tell about a schema object and its CREATE
 * text does: check constraints, generated columns, AUTOINCREMENT, WITHOUT
 * ROWID, constraint names and clauses, trigger clauses, partial-index
 * conditions, view definitions.  The texts come from sqlite_schema, so they
 * are statements SQLite accepted; still nothing here trusts them: any text
 * yields a result, at worst an empty one.  Expressions are handed back as
 * they were written.
 */

#include <string>
#include <string_view>
#include <vector>

#include <libmodel.h>

namespace modeltool::ddl {

struct Token {
  enum Kind { WORD, QUOTED, STRING, NUMBER, PUNCT };
  Kind kind;
  std::string_view text;
  size_t begin, end;  // byte offsets in the statement
};

/* The statement's tokens without white space and comments. */
std::vector<Token> tokenize (std::string_view sql);

/* An identifier as SQLite reads it: quotes removed and doubled quotes
 * undone ("a""b", [a b], `a``b`, 'a''b'). */
std::string unquote (const Token &token);

struct Check {
  std::string name;  // from CONSTRAINT, or ""
  std::string expression;
  std::string column;  // the column it was declared on, or "" for the table
};

struct Key {
  std::string name;
  std::vector<std::string> columns;
  std::string conflict;  // ROLLBACK, ABORT, FAIL, IGNORE, REPLACE or ""
};

struct ForeignKey {
  std::string name;
  std::vector<std::string> columns;
  std::string table;
  std::string match;       // the name after MATCH, which SQLite parses and ignores
  std::string deferrable;  // the clause as written, from [NOT] DEFERRABLE on
};

struct Column {
  std::string name;
  bool autoincrement = false;
  std::string generated;  // the expression of a generated column
  std::string storage;    // "VIRTUAL" or "STORED" for a generated column
  std::string collation;
  std::string conflict;
};

struct Table {
  std::vector<Column> columns;
  std::vector<Check> checks;
  std::vector<Key> uniques;
  Key primary_key;  // no columns when the table declares none
  std::vector<ForeignKey> foreign_keys;
  bool without_rowid = false;
  bool strict = false;
  std::string module;  // the module of a virtual table
};

Table parse_table (std::string_view sql);

struct Index {
  std::vector<std::string> items;  // each indexed column or expression as written
  std::string where;
};

Index parse_index (std::string_view sql);

struct Trigger {
  std::string timing;  // BEFORE, AFTER or INSTEAD OF
  std::string event;   // DELETE, INSERT or UPDATE
  std::string columns; // of UPDATE OF, as written
  std::string when;
  std::string body;    // between BEGIN and END
};

Trigger parse_trigger (std::string_view sql);

struct View {
  std::string definition;  // the SELECT
  std::string columns;     // the list of column names, if the view names them
};

View parse_view (std::string_view sql);

/* The value kind of a declared type by SQLite's affinity rules: INTEGER
 * affinity INT64, TEXT STRING, BLOB (or no type) BLOB, REAL DOUBLE and
 * NUMERIC DECIMAL, which the factory keeps as the text it was given. */
TavrelModelDataDataType kind_of_declared_type (std::string_view type);

/* Length (or precision) and scale of a declared type such as
 * VARCHAR(80) or NUMERIC(10,2); 0 for what it does not state. */
void type_size (std::string_view type, gint64 *length, guint8 *scale);

/* Case-insensitive ASCII equality, as SQLite compares keywords and names. */
bool same_name (std::string_view a, std::string_view b);

}  // namespace modeltool::ddl
