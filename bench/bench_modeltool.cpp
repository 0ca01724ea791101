// SPDX-License-Identifier: LGPL-2.1-or-later
/*
 * modeltool's two reads against the same SQLite calls without the model,
 * in one run: the catalogue of a database of 10,000 tables (the floor: the
 * catalogue queries, every cell read as text), and a query of 1,000,000
 * rows (the floor: sqlite3_step and sqlite3_column_text for every cell).
 * Both sides open the database, so SQLite's own reading of the schema is in
 * both.  The databases are generated in a temporary folder first, which
 * takes a while: SQLite's CREATE TABLE costs more the more tables there
 * are.
 */

#include <cstdlib>
#include <cstring>
#include <string>

#include "bench/lmbench.h"
#include "tests/tool/many_tables.h"
#include "tools/catalog.h"
#include "tools/driver.h"
#include "tools/rows.h"

namespace {

using namespace modeltool;

struct Databases {
  std::string folder, tables, rows;

  Databases ()
  {
    gchar *dir = g_dir_make_tmp ("bench-modeltool-XXXXXX", nullptr);
    folder = dir;
    g_free (dir);
    tables = folder + "/tables.db";
    rows = folder + "/rows.db";

    build (tables, lmtest::many_tables_sql (10000));
    build (rows, "CREATE TABLE items (id INTEGER PRIMARY KEY, name TEXT NOT NULL, price REAL, quantity INTEGER, note TEXT);"
                 "WITH RECURSIVE n (i) AS (SELECT 1 UNION ALL SELECT i + 1 FROM n WHERE i < 1000000)"
                 " INSERT INTO items SELECT i, 'item ' || i, i * 0.25, i % 97,"
                 " CASE WHEN i % 3 = 0 THEN NULL ELSE 'note ' || (i % 1000) END FROM n;");
  }

  ~Databases ()
  {
    std::string command = "rm -rf '" + folder + "'";
    if (system (command.c_str ()) != 0)
      fprintf (stderr, "could not remove %s\n", folder.c_str ());
  }

  static void build (const std::string &path, const std::string &sql)
  {
    sqlite3 *db = nullptr;
    sqlite3_open (path.c_str (), &db);
    char *message = nullptr;
    if (sqlite3_exec (db, sql.c_str (), nullptr, nullptr, &message) != SQLITE_OK)
      fprintf (stderr, "%s\n", message);
    sqlite3_free (message);
    sqlite3_close (db);
  }
};

Databases &
databases ()
{
  static Databases made;
  return made;
}

/* Steps a statement to its end, reading every cell as text. */
size_t
read_all (const Connection &db, const char *sql)
{
  Statement statement = db.prepare (sql);
  size_t bytes = 0;
  int n = statement.columns ();
  while (statement.step ())
    for (int c = 0; c < n; c++)
      if (const char *text = statement.text (c))
        bytes += strlen (text);
  return bytes;
}

void
catalogue_floor (benchmark::State &state)
{
  const std::string &path = databases ().tables;
  for (auto _ : state) {
    Connection db (path);
    size_t bytes = 0;
    for (int q = 0; q < N_CATALOGUE_QUERIES; q++)
      bytes += read_all (db, CATALOGUE_QUERIES[q]);
    benchmark::DoNotOptimize (bytes);
  }
}

void
catalogue_read (benchmark::State &state)
{
  const std::string &path = databases ().tables;
  for (auto _ : state) {
    Connection db (path);
    TavrelModelMetaMetaDatabase *database = read_catalogue (db);
    benchmark::DoNotOptimize (database);
    g_object_unref (database);
  }
}

void
catalogue_json_too (benchmark::State &state)
{
  const std::string &path = databases ().tables;
  for (auto _ : state) {
    Connection db (path);
    TavrelModelMetaMetaDatabase *database = read_catalogue (db);
    std::string text = catalogue_json (database);
    benchmark::DoNotOptimize (text.data ());
    g_object_unref (database);
  }
}

const char QUERY[] = "SELECT * FROM items";

void
query_floor (benchmark::State &state)
{
  const std::string &path = databases ().rows;
  for (auto _ : state) {
    Connection db (path);
    benchmark::DoNotOptimize (read_all (db, QUERY));
  }
}

void
query_read (benchmark::State &state)
{
  const std::string &path = databases ().rows;
  for (auto _ : state) {
    Connection db (path);
    TavrelModelDataTableModel *table = read_table (db, QUERY);
    benchmark::DoNotOptimize (table);
    g_object_unref (table);
  }
}

}  // namespace

int
main (int argc, char **argv)
{
  databases ();
  const std::string catalogue = "floor/catalogue queries, 10,000 tables";
  const std::string rows = "floor/step + column_text, 1,000,000 rows x 5";
  benchmark::RegisterBenchmark (catalogue.c_str (), catalogue_floor)->Unit (benchmark::kMillisecond);
  lmbench::compare ("catalog/read into the tree", catalogue, catalogue_read)->Unit (benchmark::kMillisecond);
  lmbench::compare ("catalog/read and write JSON", catalogue, catalogue_json_too)->Unit (benchmark::kMillisecond);
  benchmark::RegisterBenchmark (rows.c_str (), query_floor)->Unit (benchmark::kMillisecond);
  lmbench::compare ("query/read into a table", rows, query_read)->Unit (benchmark::kMillisecond);
  return lmbench::run (argc, argv);
}
