/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * The two comparisons: of catalogues, through the patcher's change record,
 * and of one table's rows, through its keyed or positional comparison.
 * Both answer as diff does: 0 identical, 1 different (failures are thrown
 * and end the run with 2).
 */

#include <cstdio>
#include <string>
#include <vector>

namespace modeltool {

/* "OLD=NEW" (a table or view renamed) or "TABLE.OLD=NEW" (a column, or an
 * index, constraint or trigger, of TABLE renamed); names may be quoted as
 * in SQL. */
struct Rename {
  std::string table;  // empty for a table or view rename
  std::string old_name, new_name;
  std::string given;  // as the option gave it, for messages
};

/* Fails, naming the option, when text is no rename. */
Rename parse_rename (const std::string &text);

struct CompareOptions {
  std::vector<Rename> renames;
  bool json = false;
  bool by_position = false;  // data only
};

int diff_catalogues (FILE *out, const std::string &first, const std::string &second, const CompareOptions &options);

int diff_data (FILE *out, const std::string &first, const std::string &second, const std::string &table,
               const CompareOptions &options);

}  // namespace modeltool
