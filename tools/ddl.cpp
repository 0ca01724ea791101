/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "tools/ddl.h"

#include <algorithm>

namespace modeltool::ddl {

bool
same_name (std::string_view a, std::string_view b)
{
  return a.size () == b.size () && g_ascii_strncasecmp (a.data (), b.data (), a.size ()) == 0;
}

namespace {

bool
word_start (unsigned char c)
{
  return g_ascii_isalpha (c) || c == '_' || c >= 0x80;
}

bool
word_part (unsigned char c)
{
  return g_ascii_isalnum (c) || c == '_' || c == '$' || c >= 0x80;
}

/* The end of a quoted run that opened at `at`, closed by `close`, in which
 * a doubled close stands for itself (except in brackets).  An unclosed run
 * ends with the text. */
size_t
quoted_end (std::string_view sql, size_t at, char close, bool doubles)
{
  size_t i = at + 1;
  while (i < sql.size ()) {
    if (sql[i] == close) {
      if (doubles && i + 1 < sql.size () && sql[i + 1] == close) {
        i += 2;
        continue;
      }
      return i + 1;
    }
    i++;
  }
  return sql.size ();
}

}  // namespace

std::vector<Token>
tokenize (std::string_view sql)
{
  std::vector<Token> tokens;
  size_t i = 0, n = sql.size ();
  while (i < n) {
    auto c = static_cast<unsigned char> (sql[i]);
    if (g_ascii_isspace (c)) {
      i++;
      continue;
    }
    if (c == '-' && i + 1 < n && sql[i + 1] == '-') {
      while (i < n && sql[i] != '\n')
        i++;
      continue;
    }
    if (c == '/' && i + 1 < n && sql[i + 1] == '*') {
      size_t close = sql.find ("*/", i + 2);
      i = close == std::string_view::npos ? n : close + 2;
      continue;
    }
    size_t begin = i;
    Token::Kind kind;
    if ((c == 'x' || c == 'X') && i + 1 < n && sql[i + 1] == '\'') {
      kind = Token::STRING;
      i = quoted_end (sql, i + 1, '\'', true);
    } else if (word_start (c)) {
      kind = Token::WORD;
      while (i < n && word_part (static_cast<unsigned char> (sql[i])))
        i++;
    } else if (c == '"' || c == '`') {
      kind = Token::QUOTED;
      i = quoted_end (sql, i, char (c), true);
    } else if (c == '[') {
      kind = Token::QUOTED;
      i = quoted_end (sql, i, ']', false);
    } else if (c == '\'') {
      kind = Token::STRING;
      i = quoted_end (sql, i, '\'', true);
    } else if (g_ascii_isdigit (c) || (c == '.' && i + 1 < n && g_ascii_isdigit (sql[i + 1]))) {
      kind = Token::NUMBER;
      while (i < n) {
        char d = sql[i];
        if (g_ascii_isalnum (d) || d == '.' || d == '_')
          i++;
        else if ((d == '+' || d == '-') && (sql[i - 1] == 'e' || sql[i - 1] == 'E'))
          i++;
        else
          break;
      }
    } else {
      kind = Token::PUNCT;
      i++;
    }
    tokens.push_back (Token{kind, sql.substr (begin, i - begin), begin, i});
  }
  return tokens;
}

std::string
unquote (const Token &token)
{
  std::string_view text = token.text;
  /* A blob literal, X'..', is no quoted name. */
  if (text.size () < 2 || (token.kind != Token::QUOTED && token.kind != Token::STRING) || text[0] == 'x' || text[0] == 'X')
    return std::string (text);
  char open = text.front ();
  char close = open == '[' ? ']' : open;
  std::string_view inner = text.substr (1, text.back () == close ? text.size () - 2 : text.size () - 1);
  std::string out;
  for (size_t i = 0; i < inner.size (); i++) {
    out += inner[i];
    if (open != '[' && inner[i] == close && i + 1 < inner.size () && inner[i + 1] == close)
      i++;
  }
  return out;
}

namespace {

/* A statement's tokens with the reading helpers every parser here needs.
 * Every access is bounded: past the end there is nothing, and a group that
 * never closes runs to the end. */
class Reader {
 public:
  explicit Reader (std::string_view sql) : sql_ (sql), tokens_ (tokenize (sql))
  {
    /* A trailing semicolon belongs to no clause. */
    while (!tokens_.empty () && tokens_.back ().kind == Token::PUNCT && tokens_.back ().text == ";")
      tokens_.pop_back ();
  }

  size_t size () const { return tokens_.size (); }

  bool is (size_t i, std::string_view keyword) const
  {
    return i < tokens_.size () && tokens_[i].kind == Token::WORD && same_name (tokens_[i].text, keyword);
  }

  bool is_punct (size_t i, char c) const
  {
    return i < tokens_.size () && tokens_[i].kind == Token::PUNCT && tokens_[i].text[0] == c;
  }

  std::string name (size_t i) const { return i < tokens_.size () ? unquote (tokens_[i]) : std::string (); }

  std::string upper (size_t i) const
  {
    if (i >= tokens_.size ())
      return {};
    std::string word (tokens_[i].text);
    for (char &c : word)
      c = g_ascii_toupper (c);
    return word;
  }

  /* The index of the ")" that closes the "(" at open. */
  size_t close_of (size_t open) const
  {
    int depth = 0;
    for (size_t i = open; i < tokens_.size (); i++) {
      if (is_punct (i, '('))
        depth++;
      else if (is_punct (i, ')') && --depth == 0)
        return i;
    }
    return tokens_.size ();
  }

  /* The next token at or after i that is no group, skipping groups. */
  size_t skip_group (size_t i) const { return is_punct (i, '(') ? std::min (close_of (i) + 1, tokens_.size ()) : i + 1; }

  /* The comma-separated parts of [from, to), groups kept whole. */
  std::vector<std::pair<size_t, size_t>> split (size_t from, size_t to) const
  {
    std::vector<std::pair<size_t, size_t>> parts;
    size_t start = from;
    for (size_t i = from; i < to;) {
      if (is_punct (i, ',')) {
        parts.emplace_back (start, i);
        start = ++i;
        continue;
      }
      i = skip_group (i);
    }
    if (start < to)
      parts.emplace_back (start, std::min (to, tokens_.size ()));
    return parts;
  }

  /* The statement's text from token from up to, not including, token to. */
  std::string text (size_t from, size_t to) const
  {
    to = std::min (to, tokens_.size ());
    if (from >= to)
      return {};
    size_t begin = tokens_[from].begin, end = tokens_[to - 1].end;
    return std::string (sql_.substr (begin, end - begin));
  }

  /* The text of the group opening at open, without its parentheses. */
  std::string inside (size_t open) const { return text (open + 1, close_of (open)); }

  /* The raw text between two tokens: what lies after token from ends and
   * before token to begins, comments and line breaks included. */
  std::string between (size_t from, size_t to) const
  {
    if (from >= tokens_.size () || to > tokens_.size () || to <= from)
      return {};
    size_t begin = tokens_[from].end, end = to < tokens_.size () ? tokens_[to].begin : sql_.size ();
    std::string out (sql_.substr (begin, end - begin));
    return std::string (g_strstrip (out.data ()));
  }

  /* The first token at or after from that is the keyword, outside groups. */
  size_t find (size_t from, std::string_view keyword) const
  {
    for (size_t i = from; i < tokens_.size (); i = skip_group (i))
      if (is (i, keyword))
        return i;
    return tokens_.size ();
  }

  /* After CREATE ... KIND [IF NOT EXISTS] [schema.]name: the next token. */
  size_t after_name (std::string_view kind) const
  {
    size_t i = find (0, kind) + 1;
    if (is (i, "IF") && is (i + 1, "NOT") && is (i + 2, "EXISTS"))
      i += 3;
    i++;
    if (is_punct (i, '.'))
      i += 2;
    return i;
  }

 private:
  std::string_view sql_;
  std::vector<Token> tokens_;
};

/* ON CONFLICT resolution at i, if there is one. */
std::string
conflict_at (const Reader &r, size_t &i)
{
  if (r.is (i, "ON") && r.is (i + 1, "CONFLICT")) {
    std::string resolution = r.upper (i + 2);
    i += 3;
    return resolution;
  }
  return {};
}

/* The columns of an indexed-column list: the first token of each part. */
std::vector<std::string>
column_list (const Reader &r, size_t open)
{
  std::vector<std::string> names;
  for (auto [from, to] : r.split (open + 1, r.close_of (open)))
    if (from < to)
      names.push_back (r.name (from));
  return names;
}

/* The clause after REFERENCES at i: the referenced table and the
 * deferrability, up to the first token that belongs to no such clause.
 * Returns the index after it. */
size_t
references_at (const Reader &r, size_t i, ForeignKey &key)
{
  key.table = r.name (++i);
  i++;
  if (r.is_punct (i, '.')) {
    key.table = r.name (i + 1);
    i += 2;
  }
  if (r.is_punct (i, '('))
    i = r.skip_group (i);
  for (;;) {
    if (r.is (i, "ON") && (r.is (i + 1, "DELETE") || r.is (i + 1, "UPDATE"))) {
      i += 2;
      if (r.is (i, "SET") || r.is (i, "NO"))
        i++;
      i++;
    } else if (r.is (i, "MATCH")) {
      key.match = r.name (i + 1);
      i += 2;
    } else if (r.is (i, "DEFERRABLE") || (r.is (i, "NOT") && r.is (i + 1, "DEFERRABLE"))) {
      size_t from = i;
      i += r.is (i, "NOT") ? 2 : 1;
      if (r.is (i, "INITIALLY"))
        i += 2;
      key.deferrable = r.text (from, i);
    } else {
      return i;
    }
  }
}

bool
starts_column_constraint (const Reader &r, size_t i)
{
  for (const char *word : {"CONSTRAINT", "PRIMARY", "NOT", "NULL", "UNIQUE", "CHECK", "DEFAULT", "COLLATE", "REFERENCES",
                           "GENERATED", "AS"})
    if (r.is (i, word))
      return true;
  return false;
}

void
parse_column (const Reader &r, size_t from, size_t to, Table &table)
{
  Column column;
  column.name = r.name (from);
  size_t i = from + 1;
  while (i < to && !starts_column_constraint (r, i))
    i = r.skip_group (i);

  std::string pending;  // the name a CONSTRAINT gave the constraint that follows
  while (i < to) {
    if (r.is (i, "CONSTRAINT")) {
      pending = r.name (i + 1);
      i += 2;
      continue;
    }
    if (r.is (i, "PRIMARY") && r.is (i + 1, "KEY")) {
      i += 2;
      if (r.is (i, "ASC") || r.is (i, "DESC"))
        i++;
      std::string conflict = conflict_at (r, i);
      if (r.is (i, "AUTOINCREMENT")) {
        column.autoincrement = true;
        i++;
      }
      table.primary_key = Key{pending, {column.name}, conflict};
      if (column.conflict.empty ())
        column.conflict = conflict;
    } else if (r.is (i, "NOT") && r.is (i + 1, "NULL")) {
      i += 2;
      std::string conflict = conflict_at (r, i);
      if (column.conflict.empty ())
        column.conflict = conflict;
    } else if (r.is (i, "UNIQUE")) {
      i++;
      std::string conflict = conflict_at (r, i);
      table.uniques.push_back (Key{pending, {column.name}, conflict});
      if (column.conflict.empty ())
        column.conflict = conflict;
    } else if (r.is (i, "CHECK") && r.is_punct (i + 1, '(')) {
      table.checks.push_back (Check{pending, r.inside (i + 1), column.name});
      i = r.skip_group (i + 1);
    } else if (r.is (i, "DEFAULT")) {
      i++;
      if (r.is_punct (i, '+') || r.is_punct (i, '-'))
        i++;
      i = r.skip_group (i);
    } else if (r.is (i, "COLLATE")) {
      column.collation = r.name (i + 1);
      i += 2;
    } else if (r.is (i, "REFERENCES")) {
      ForeignKey key{pending, {column.name}, {}, {}, {}};
      i = references_at (r, i, key);
      table.foreign_keys.push_back (key);
    } else if (r.is (i, "GENERATED") || r.is (i, "AS")) {
      if (r.is (i, "GENERATED"))
        i += r.is (i + 1, "ALWAYS") ? 2 : 1;
      if (r.is (i, "AS"))
        i++;
      if (r.is_punct (i, '(')) {
        column.generated = r.inside (i);
        i = r.skip_group (i);
      }
      column.storage = r.is (i, "STORED") ? "STORED" : "VIRTUAL";
      if (r.is (i, "STORED") || r.is (i, "VIRTUAL"))
        i++;
    } else {
      i = r.skip_group (i);
      continue;
    }
    pending.clear ();
  }
  table.columns.push_back (column);
}

void
parse_table_constraint (const Reader &r, size_t from, size_t to, Table &table)
{
  std::string name;
  size_t i = from;
  if (r.is (i, "CONSTRAINT")) {
    name = r.name (i + 1);
    i += 2;
  }
  if (r.is (i, "PRIMARY") && r.is (i + 1, "KEY") && r.is_punct (i + 2, '(')) {
    size_t after = r.skip_group (i + 2);
    table.primary_key = Key{name, column_list (r, i + 2), conflict_at (r, after)};
  } else if (r.is (i, "UNIQUE") && r.is_punct (i + 1, '(')) {
    size_t after = r.skip_group (i + 1);
    table.uniques.push_back (Key{name, column_list (r, i + 1), conflict_at (r, after)});
  } else if (r.is (i, "CHECK") && r.is_punct (i + 1, '(')) {
    table.checks.push_back (Check{name, r.inside (i + 1), {}});
  } else if (r.is (i, "FOREIGN") && r.is (i + 1, "KEY") && r.is_punct (i + 2, '(')) {
    ForeignKey key{name, column_list (r, i + 2), {}, {}, {}};
    size_t after = r.skip_group (i + 2);
    if (r.is (after, "REFERENCES"))
      references_at (r, after, key);
    table.foreign_keys.push_back (key);
  }
  (void) to;
}

bool
is_table_constraint (const Reader &r, size_t i)
{
  for (const char *word : {"CONSTRAINT", "PRIMARY", "UNIQUE", "CHECK", "FOREIGN"})
    if (r.is (i, word))
      return true;
  return false;
}

}  // namespace

Table
parse_table (std::string_view sql)
{
  Reader r (sql);
  Table table;
  size_t i = r.after_name ("TABLE");
  if (r.find (0, "VIRTUAL") < r.find (0, "TABLE")) {
    if (r.is (i, "USING"))
      table.module = r.name (i + 1);
    return table;
  }
  if (!r.is_punct (i, '('))
    return table;
  size_t close = r.close_of (i);
  for (auto [from, to] : r.split (i + 1, close)) {
    if (from >= to)
      continue;
    if (is_table_constraint (r, from))
      parse_table_constraint (r, from, to, table);
    else
      parse_column (r, from, to, table);
  }
  for (size_t j = close + 1; j < r.size (); j++) {
    if (r.is (j, "WITHOUT") && r.is (j + 1, "ROWID"))
      table.without_rowid = true;
    else if (r.is (j, "STRICT"))
      table.strict = true;
  }
  return table;
}

Index
parse_index (std::string_view sql)
{
  Reader r (sql);
  Index index;
  size_t open = r.find (0, "ON") + 2;
  if (r.is_punct (open, '.'))
    open += 2;
  if (!r.is_punct (open, '('))
    return index;
  size_t close = r.close_of (open);
  for (auto [from, to] : r.split (open + 1, close))
    index.items.push_back (r.text (from, to));
  if (r.is (close + 1, "WHERE"))
    index.where = r.text (close + 2, r.size ());
  return index;
}

Trigger
parse_trigger (std::string_view sql)
{
  Reader r (sql);
  Trigger trigger;
  size_t i = r.after_name ("TRIGGER");
  if (r.is (i, "BEFORE") || r.is (i, "AFTER")) {
    trigger.timing = r.upper (i++);
  } else if (r.is (i, "INSTEAD") && r.is (i + 1, "OF")) {
    trigger.timing = "INSTEAD OF";
    i += 2;
  } else {
    /* SQLite's default. */
    trigger.timing = "BEFORE";
  }
  trigger.event = r.upper (i++);
  size_t on = r.find (i, "ON");
  if (r.is (i, "OF"))
    trigger.columns = r.text (i + 1, on);
  i = on + 2;
  if (r.is_punct (i, '.'))
    i += 2;
  if (r.is (i, "FOR") && r.is (i + 1, "EACH") && r.is (i + 2, "ROW"))
    i += 3;
  size_t begin = r.find (i, "BEGIN");
  if (r.is (i, "WHEN"))
    trigger.when = r.text (i + 1, begin);
  size_t end = r.size ();
  while (end > begin && !r.is (end - 1, "END"))
    end--;
  if (end > begin + 1)
    trigger.body = r.between (begin, end - 1);
  return trigger;
}

View
parse_view (std::string_view sql)
{
  Reader r (sql);
  View view;
  size_t i = r.after_name ("VIEW");
  if (r.is_punct (i, '(')) {
    view.columns = r.inside (i);
    i = r.skip_group (i);
  }
  if (r.is (i, "AS"))
    view.definition = r.text (i + 1, r.size ());
  return view;
}

TavrelModelDataDataType
kind_of_declared_type (std::string_view type)
{
  std::string upper (type);
  for (char &c : upper)
    c = g_ascii_toupper (c);
  auto has = [&] (const char *part) { return upper.find (part) != std::string::npos; };
  if (has ("INT"))
    return TAVREL_MODEL_DATA_DATA_TYPE_INT64;
  if (has ("CHAR") || has ("CLOB") || has ("TEXT"))
    return TAVREL_MODEL_DATA_DATA_TYPE_STRING;
  if (has ("BLOB") || upper.find_first_not_of (" \t\r\n") == std::string::npos)
    return TAVREL_MODEL_DATA_DATA_TYPE_BLOB;
  if (has ("REAL") || has ("FLOA") || has ("DOUB"))
    return TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE;
  return TAVREL_MODEL_DATA_DATA_TYPE_DECIMAL;
}

void
type_size (std::string_view type, gint64 *length, guint8 *scale)
{
  *length = 0;
  *scale = 0;
  size_t open = type.find ('(');
  if (open == std::string_view::npos)
    return;
  std::string inside (type.substr (open + 1));
  char *end = nullptr;
  *length = g_ascii_strtoll (inside.c_str (), &end, 10);
  while (end && g_ascii_isspace (*end))
    end++;
  if (end && *end == ',') {
    gint64 s = g_ascii_strtoll (end + 1, nullptr, 10);
    *scale = guint8 (CLAMP (s, 0, 255));
  }
}

}  // namespace modeltool::ddl
