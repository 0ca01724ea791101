/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * A SQLite database's catalogue as the library's tree: one database and
 * its schema "main", each table with its columns, constraints, indexes and
 * triggers, and the views.  The tree is written as JSON and read back
 * from it.
 */

#include <libmodel.h>

#include <string>

#include "tools/driver.h"

namespace modeltool {

/* The name of the database and of its one schema, as SQLite calls the
 * main database: the same for every file, so that two files compare by
 * what they hold. */
inline constexpr const char *MAIN = "main";

/* The queries the reader runs, in order: what it reads without the
 * model. */
extern const char *const CATALOGUE_QUERIES[];
extern const int N_CATALOGUE_QUERIES;

/* A new tree holding the database's catalogue. */
TavrelModelMetaMetaDatabase *read_catalogue (const Connection &db);

/* A new tree from a database file, a sample or a JSON file written by
 * catalogue_json. */
TavrelModelMetaMetaDatabase *load_catalogue (const std::string &source);

/* The tree as pretty-printed JSON, ending with a line break. */
std::string catalogue_json (TavrelModelMetaMetaDatabase *database);

}  // namespace modeltool
