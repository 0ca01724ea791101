/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "tools/rows.h"

#include <algorithm>
#include <array>
#include <charconv>
#include <cmath>
#include <cstring>
#include <vector>

#include "tools/ddl.h"
#include "tools/lists.h"
#include "tools/progress.h"

namespace modeltool {

namespace {

using Kind = TavrelModelDataDataType;
constexpr Kind INT64 = TAVREL_MODEL_DATA_DATA_TYPE_INT64;
constexpr Kind DOUBLE = TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE;
constexpr Kind STRING = TAVREL_MODEL_DATA_DATA_TYPE_STRING;
constexpr Kind DECIMAL = TAVREL_MODEL_DATA_DATA_TYPE_DECIMAL;
constexpr Kind BLOB = TAVREL_MODEL_DATA_DATA_TYPE_BLOB;

/* An expression has no declared type: its first value stands for it. */
Kind
kind_of_storage (int storage)
{
  switch (storage) {
  case SQLITE_INTEGER:
    return INT64;
  case SQLITE_FLOAT:
    return DOUBLE;
  case SQLITE_BLOB:
    return BLOB;
  default:
    return STRING;
  }
}

/* Whether the factory, given the cell's text, makes a value of the
 * column's kind that holds exactly what SQLite holds.  Blobs never pass:
 * a text stops at the first zero byte. */
bool
fits (Kind kind, int storage)
{
  switch (storage) {
  case SQLITE_INTEGER:
    return kind == INT64 || kind == DECIMAL;
  case SQLITE_FLOAT:
    return kind == DOUBLE || kind == DECIMAL;
  case SQLITE_TEXT:
    return kind == STRING || kind == DECIMAL;
  default:
    return false;
  }
}

/* The shortest text that reads back as the same double: the text SQLite
 * gives a REAL keeps 15 digits, which would change the value. */
const char *
double_text (double value, std::array<char, 32> &buffer)
{
  auto result = std::to_chars (buffer.data (), buffer.data () + buffer.size () - 1, value);
  *result.ptr = '\0';
  return buffer.data ();
}

/* A cell's own value, built from what SQLite holds rather than from a
 * text: for cells the column's kind would change, and for the text
 * "(Null)", which the factory reads as the database NULL. */
TavrelModelDataValueObject *
own_value (const Statement &row, int column)
{
  sqlite3_stmt *stmt = row.handle ();
  switch (row.type (column)) {
  case SQLITE_INTEGER:
    return TAVREL_MODEL_DATA_VALUE_OBJECT (tavrel_model_data_value_int64_new (sqlite3_column_int64 (stmt, column)));
  case SQLITE_FLOAT:
    return TAVREL_MODEL_DATA_VALUE_OBJECT (tavrel_model_data_value_double_new (sqlite3_column_double (stmt, column)));
  case SQLITE_TEXT:
    return TAVREL_MODEL_DATA_VALUE_OBJECT (tavrel_model_data_value_string_new (row.text (column)));
  default: {
    /* The blob first: asking for its size after the text would convert. */
    const void *data = sqlite3_column_blob (stmt, column);
    int size = sqlite3_column_bytes (stmt, column);
    static const guint8 nothing = 0;
    return TAVREL_MODEL_DATA_VALUE_OBJECT (
        tavrel_model_data_value_blob_new (data ? static_cast<const guint8 *> (data) : &nothing, size));
  }
  }
}

bool
is_null_word (const char *text)
{
  return text && text[0] == '(' && strcmp (text, "(Null)") == 0;
}

}  // namespace

TavrelModelDataTableModel *
read_table (const Connection &db, const std::string &sql, const std::vector<int> &exact)
{
  Statement statement = db.prepare_one (sql);
  sqlite3_stmt *stmt = statement.handle ();
  if (!sqlite3_stmt_readonly (stmt))
    fail (db.label (), "the statement would change the database, and modeltool only reads");
  int n = statement.columns ();
  if (n == 0)
    fail (db.label (), "the statement returns no columns");

  g_autoptr (TavrelModelDataTableModel) table = tavrel_model_data_table_model_new_with_sql (sql.c_str ());
  bool more = statement.step ();
  std::vector<Kind> kinds (static_cast<size_t> (n), STRING);
  GeeArrayList *columns = tavrel_model_data_table_model_get_columns (table);
  for (int c = 0; c < n; c++) {
    const char *declared = sqlite3_column_decltype (stmt, c);
    Kind kind = declared ? ddl::kind_of_declared_type (declared) : more ? kind_of_storage (statement.type (c)) : STRING;
    if (kind == DOUBLE && std::find (exact.begin (), exact.end (), c) != exact.end ())
      kind = DECIMAL;
    kinds[size_t (c)] = kind;
    const char *name = sqlite3_column_name (stmt, c);
    add_taking (columns, tavrel_model_data_column_model_new_full (name ? name : "", kinds[size_t (c)]));
  }

  std::vector<const char *> texts (static_cast<size_t> (n));
  std::vector<std::array<char, 32>> numbers (static_cast<size_t> (n));
  std::vector<int> own;
  Progress progress ("rows", LONG_READ_ROWS);
  for (; more; more = statement.step ()) {
    own.clear ();
    for (int c = 0; c < n; c++) {
      int storage = statement.type (c);
      const char *&text = texts[size_t (c)];
      if (storage == SQLITE_NULL) {
        text = nullptr;
      } else if (!fits (kinds[size_t (c)], storage)) {
        own.push_back (c);
        text = nullptr;
      } else if (storage == SQLITE_FLOAT) {
        text = double_text (sqlite3_column_double (stmt, c), numbers[size_t (c)]);
      } else {
        text = statement.text (c);
        if (is_null_word (text)) {
          own.push_back (c);
          text = nullptr;
        }
      }
    }
    gint position = tavrel_model_data_table_model_append_texts (table, texts.data (), n);
    for (int c : own) {
      TavrelModelDataValueObject *value = own_value (statement, c);
      tavrel_model_data_table_model_set_value_at (table, c, position, value);
      g_object_unref (value);
    }
    progress.tick ();
  }
  return static_cast<TavrelModelDataTableModel *> (g_steal_pointer (&table));
}

std::string
cell_text (TavrelModelDataValueObject *value)
{
  if (!value)
    return {};
  if (tavrel_model_data_value_object_get_is_null (value))
    return "NULL";
  if (TAVREL_MODEL_DATA_IS_VALUE_BINARY (value)) {
    GBytes *bytes = tavrel_model_data_value_binary_get_itsvalue (TAVREL_MODEL_DATA_VALUE_BINARY (value));
    gsize size = 0;
    auto *data = static_cast<const guint8 *> (bytes ? g_bytes_get_data (bytes, &size) : nullptr);
    static const char digits[] = "0123456789ABCDEF";
    std::string text = "X'";
    for (gsize i = 0; i < size; i++) {
      text += digits[data[i] >> 4];
      text += digits[data[i] & 15];
    }
    return text + "'";
  }
  /* A double renders itself with two decimals; the tool shows all it
   * holds. */
  if (TAVREL_MODEL_DATA_IS_VALUE_DOUBLE (value)) {
    std::array<char, 32> buffer;
    return double_text (tavrel_model_data_value_double_get_itsvalue (TAVREL_MODEL_DATA_VALUE_DOUBLE (value)), buffer);
  }
  g_autofree gchar *text = tavrel_model_data_value_object_to_string (value);
  return text ? text : "";
}

std::string
one_line (const std::string &text)
{
  g_autofree gchar *valid = g_utf8_make_valid (text.c_str (), gssize (text.size ()));
  std::string out;
  for (const char *p = valid; *p; p++) {
    auto c = static_cast<unsigned char> (*p);
    if (c == '\n')
      out += "\\n";
    else if (c == '\r')
      out += "\\r";
    else if (c == '\t')
      out += "\\t";
    else if (c < 0x20 || c == 0x7F) {
      char escape[5];
      g_snprintf (escape, sizeof escape, "\\x%02X", c);
      out += escape;
    } else
      out += char (c);
  }
  return out;
}

void
append_json_string (std::string &out, std::string_view text)
{
  /* Most texts are valid UTF-8 and need no copy to be made so. */
  gchar *valid = nullptr;
  if (!g_utf8_validate_len (text.data (), text.size (), nullptr)) {
    valid = g_utf8_make_valid (text.data (), gssize (text.size ()));
    text = valid;
  }
  out += '"';
  for (char ch : text) {
    auto c = static_cast<unsigned char> (ch);
    switch (c) {
    case '"':
      out += "\\\"";
      break;
    case '\\':
      out += "\\\\";
      break;
    case '\n':
      out += "\\n";
      break;
    case '\r':
      out += "\\r";
      break;
    case '\t':
      out += "\\t";
      break;
    default:
      if (c < 0x20) {
        char escape[7];
        g_snprintf (escape, sizeof escape, "\\u%04x", c);
        out += escape;
      } else {
        out += ch;
      }
    }
  }
  out += '"';
  g_free (valid);
}

std::string
json_string (const std::string &text)
{
  std::string out;
  append_json_string (out, text);
  return out;
}

std::string
json_value (TavrelModelDataValueObject *value)
{
  if (!value || tavrel_model_data_value_object_get_is_null (value))
    return "null";
  if (TAVREL_MODEL_DATA_IS_VALUE_INT64 (value))
    return std::to_string (tavrel_model_data_value_int64_get_itsvalue (TAVREL_MODEL_DATA_VALUE_INT64 (value)));
  if (TAVREL_MODEL_DATA_IS_VALUE_DOUBLE (value)) {
    double number = tavrel_model_data_value_double_get_itsvalue (TAVREL_MODEL_DATA_VALUE_DOUBLE (value));
    std::array<char, 32> buffer;
    /* JSON has no infinities. */
    return std::isfinite (number) ? std::string (double_text (number, buffer)) : json_string (cell_text (value));
  }
  return json_string (cell_text (value));
}

namespace {

/* Columns a person's terminal gives the text: two for a wide character,
 * none for a combining one. */
size_t
display_width (const std::string &text)
{
  size_t width = 0;
  for (const char *p = text.c_str (); *p; p = g_utf8_next_char (p)) {
    gunichar c = g_utf8_get_char (p);
    width += g_unichar_iszerowidth (c) ? 0 : g_unichar_iswide (c) ? 2 : 1;
  }
  return width;
}

/* NUMERIC columns hold dates as often as amounts: only integers and
 * doubles are set right. */
bool
is_number_kind (Kind kind)
{
  return kind == INT64 || kind == DOUBLE;
}

void
write_csv_field (std::string &line, const std::string &text, bool quote)
{
  if (!quote)
    quote = text.find_first_of (",\"\r\n") != std::string::npos;
  if (!quote) {
    line += text;
    return;
  }
  line += '"';
  for (char c : text) {
    line += c;
    if (c == '"')
      line += '"';
  }
  line += '"';
}

}  // namespace

void
print_aligned (FILE *out, const Grid &grid)
{
  size_t n = grid.header.size ();
  std::vector<size_t> widths (n);
  std::vector<std::string> cells;
  for (size_t c = 0; c < n; c++)
    widths[c] = display_width (grid.header[c]);
  for (size_t r = 0; r < grid.rows; r++) {
    cells.clear ();
    grid.cells (r, cells);
    for (size_t c = 0; c < n && c < cells.size (); c++)
      widths[c] = std::max (widths[c], display_width (cells[c]));
  }
  auto print_line = [&] (const std::vector<std::string> &line) {
    std::string text;
    for (size_t c = 0; c < n; c++) {
      const std::string &cell = c < line.size () ? line[c] : std::string ();
      std::string padding (widths[c] - std::min (widths[c], display_width (cell)), ' ');
      if (c)
        text += "  ";
      text += c < grid.right_aligned.size () && grid.right_aligned[c] ? padding + cell : cell + padding;
    }
    while (!text.empty () && text.back () == ' ')
      text.pop_back ();
    text += '\n';
    fputs (text.c_str (), out);
  };
  print_line (grid.header);
  std::vector<std::string> dashes;
  for (size_t c = 0; c < n; c++)
    dashes.emplace_back (widths[c], '-');
  print_line (dashes);
  for (size_t r = 0; r < grid.rows; r++) {
    cells.clear ();
    grid.cells (r, cells);
    print_line (cells);
  }
}

void
print_table (FILE *out, TavrelModelDataTableModel *table, Format format)
{
  auto *model = G_LIST_MODEL (table);
  guint n_rows = g_list_model_get_n_items (model);
  std::vector<TavrelModelDataColumnModel *> columns = members_of<TavrelModelDataColumnModel> (
      tavrel_model_data_table_model_get_columns (table));
  gint n = gint (columns.size ());
  auto row_at = [&] (guint r) {
    auto *row = static_cast<TavrelModelDataRowModel *> (g_list_model_get_item (model, r));
    g_object_unref (row);  // the table keeps it
    return row;
  };
  auto value_text = [] (TavrelModelDataRowModel *row, gint c) {
    g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_row_model_get_value_at (row, c);
    return cell_text (value);
  };
  auto version_text = [] (TavrelModelDataRowModel *row) {
    g_autofree gchar *text = tavrel_model_transform_data_version_to_string (tavrel_model_data_row_model_get_version (row));
    return std::string (text ? text : "");
  };

  if (format == Format::TEXT) {
    Grid grid;
    grid.header.push_back ("version");
    grid.right_aligned.push_back (false);
    for (auto *column : columns) {
      grid.header.push_back (one_line (tavrel_model_data_column_model_get_name (column)));
      grid.right_aligned.push_back (is_number_kind (tavrel_model_data_column_model_get_data_type (column)));
    }
    grid.rows = n_rows;
    grid.cells = [&] (size_t r, std::vector<std::string> &cells) {
      TavrelModelDataRowModel *row = row_at (guint (r));
      cells.push_back (version_text (row));
      for (gint c = 0; c < n; c++)
        cells.push_back (one_line (value_text (row, c)));
    };
    print_aligned (out, grid);
    fprintf (out, "(%u %s)\n", n_rows, n_rows == 1 ? "row" : "rows");
    return;
  }

  if (format == Format::CSV) {
    std::string line;
    for (gint c = 0; c < n; c++) {
      if (c)
        line += ',';
      write_csv_field (line, tavrel_model_data_column_model_get_name (columns[size_t (c)]), false);
    }
    line += "\r\n";
    fputs (line.c_str (), out);
    for (guint r = 0; r < n_rows; r++) {
      TavrelModelDataRowModel *row = row_at (r);
      line.clear ();
      for (gint c = 0; c < n; c++) {
        if (c)
          line += ',';
        g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_row_model_get_value_at (row, c);
        if (value && !tavrel_model_data_value_object_get_is_null (value)) {
          std::string text = cell_text (value);
          write_csv_field (line, text, text.empty ());
        }
      }
      line += "\r\n";
      fputs (line.c_str (), out);
    }
    return;
  }

  fprintf (out, "{\n  \"statement\": %s,\n  \"schema\": %s,\n  \"entity\": %s,\n  \"columns\": [",
           json_string (tavrel_model_data_table_model_get_statements (table)).c_str (),
           json_string (tavrel_model_data_table_model_get_schema (table)).c_str (),
           json_string (tavrel_model_data_table_model_get_entity (table)).c_str ());
  for (gint c = 0; c < n; c++) {
    g_autofree gchar *kind = tavrel_model_data_data_type_to_string (tavrel_model_data_column_model_get_data_type (columns[size_t (c)]));
    fprintf (out, "%s\n    {\"name\": %s, \"kind\": %s}", c ? "," : "",
             json_string (tavrel_model_data_column_model_get_name (columns[size_t (c)])).c_str (),
             json_string (kind ? kind : "").c_str ());
  }
  fputs (n ? "\n  ],\n  \"rows\": [" : "],\n  \"rows\": [", out);
  for (guint r = 0; r < n_rows; r++) {
    TavrelModelDataRowModel *row = row_at (r);
    std::string line = r ? ",\n    {\"version\": " : "\n    {\"version\": ";
    line += json_string (version_text (row)) + ", \"values\": [";
    for (gint c = 0; c < n; c++) {
      g_autoptr (TavrelModelDataValueObject) value = tavrel_model_data_row_model_get_value_at (row, c);
      line += (c ? ", " : "") + json_value (value);
    }
    line += "]}";
    fputs (line.c_str (), out);
  }
  fputs (n_rows ? "\n  ]\n}\n" : "]\n}\n", out);
}

}  // namespace modeltool
