/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

#include <string>

namespace lmtest {

/* A schema of n tables in one transaction, each with a key, a NOT NULL, a
 * check and a foreign key to the one before it, and an index on every
 * tenth: what modeltool's suite reads in full and its benchmark times. */
inline std::string
many_tables_sql (int n)
{
  std::string sql = "BEGIN;";
  for (int i = 0; i < n; i++) {
    std::string t = "t" + std::to_string (i);
    sql += "CREATE TABLE " + t + " (id INTEGER PRIMARY KEY, name TEXT NOT NULL, amount NUMERIC CHECK (amount >= 0)"
           + (i ? ", up INTEGER REFERENCES t" + std::to_string (i - 1) + " (id)" : std::string ()) + ");";
    if (i % 10 == 0)
      sql += "CREATE INDEX " + t + "_by_name ON " + t + " (name);";
  }
  return sql + "COMMIT;";
}

}  // namespace lmtest
