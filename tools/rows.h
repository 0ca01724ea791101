/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * A query's result as the library's table, and the table as text, JSON or
 * CSV.
 */

#include <libmodel.h>

#include <cstdio>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

#include "tools/driver.h"

namespace modeltool {

/*
 * A new table of the statement's rows: entity and schema from its FROM
 * clause, one column per result column with its value kind (the declared
 * type's affinity, or for an expression the kind of its first value), the
 * rows through append_texts.  A cell whose value the column's kind would
 * not keep exactly (a text in an INTEGER column, a blob anywhere) gets a
 * value of its own kind instead.  Only one statement, and only one that
 * reads.  The columns listed in exact keep floating-point numbers as the
 * text that reads back exactly, not as doubles, whose text has two
 * decimals: what a comparison by key texts needs.
 */
TavrelModelDataTableModel *read_table (const Connection &db, const std::string &sql,
                                       const std::vector<int> &exact = {});

/* A cell as the tool shows it: NULL for the database NULL, a blob as
 * X'hex', anything else as the value renders itself. */
std::string cell_text (TavrelModelDataValueObject *value);

enum class Format { TEXT, JSON, CSV };

/* Writes the table: TEXT aligned with a version column, JSON with the
 * columns, their kinds and each row's version, CSV as RFC 4180 (a NULL is
 * an empty field, an empty text a quoted one). */
void print_table (FILE *out, TavrelModelDataTableModel *table, Format format);

/* A text ready for a JSON document, quotes included. */
std::string json_string (const std::string &text);
void append_json_string (std::string &out, std::string_view text);

/* A JSON value for a cell: a number, a string, or null. */
std::string json_value (TavrelModelDataValueObject *value);

/* A text shown on one line of an aligned table: control characters as
 * escapes, invalid UTF-8 replaced. */
std::string one_line (const std::string &text);

/* Texts in aligned columns, two spaces apart, under a header and a line
 * of dashes.  The cells are asked for twice, to measure and to print, so
 * that a million rows need not be held as texts. */
struct Grid {
  std::vector<std::string> header;
  std::vector<bool> right_aligned;  // the columns of numbers
  size_t rows = 0;
  std::function<void (size_t row, std::vector<std::string> &cells)> cells;
};

void print_aligned (FILE *out, const Grid &grid);

}  // namespace modeltool
