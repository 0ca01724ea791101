/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * modeltool, run as a user runs it on databases generated here, its
 * output compared with expected files; and the parts of it whose faults
 * the outputs would hide (the CREATE text reader, --rename, the progress
 * line) on their own.
 */

#include <fcntl.h>
#include <poll.h>
#include <pty.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <gtest/gtest.h>

#include <fstream>
#include <map>
#include <random>
#include <set>
#include <sstream>

#include "tests/tool/many_tables.h"
#include "tools/catalog.h"
#include "tools/compare.h"
#include "tools/ddl.h"
#include "tools/driver.h"
#include "tools/progress.h"
#include "tools/rows.h"

namespace {

using namespace modeltool;

std::string
source_file (const std::string &name)
{
  return std::string (g_getenv ("MODELTOOL_TESTS")) + "/" + name;
}

std::string
read_file (const std::string &path)
{
  std::ifstream in (path, std::ios::binary);
  std::stringstream text;
  text << in.rdbuf ();
  return text.str ();
}

struct Outcome {
  int status = -1;
  std::string out, err;
};

/* The tool as a user runs it, in a folder. */
Outcome
run_tool (const std::string &folder, const std::vector<std::string> &arguments)
{
  std::vector<const char *> argv{g_getenv ("MODELTOOL")};
  for (const std::string &argument : arguments)
    argv.push_back (argument.c_str ());
  argv.push_back (nullptr);
  gchar *out = nullptr, *err = nullptr;
  int wait_status = 0;
  GError *error = nullptr;
  Outcome run;
  if (!g_spawn_sync (folder.c_str (), const_cast<gchar **> (argv.data ()), nullptr, G_SPAWN_DEFAULT, nullptr, nullptr,
                     &out, &err, &wait_status, &error)) {
    ADD_FAILURE () << error->message;
    g_error_free (error);
    return run;
  }
  run.status = WIFEXITED (wait_status) ? WEXITSTATUS (wait_status) : 128 + WTERMSIG (wait_status);
  run.out = out;
  run.err = err;
  g_free (out);
  g_free (err);
  return run;
}

void
build_database (const std::string &path, const std::string &sql)
{
  sqlite3 *db = nullptr;
  ASSERT_EQ (SQLITE_OK, sqlite3_open (path.c_str (), &db));
  char *message = nullptr;
  EXPECT_EQ (SQLITE_OK, sqlite3_exec (db, sql.c_str (), nullptr, nullptr, &message)) << (message ? message : "");
  sqlite3_free (message);
  sqlite3_close (db);
}

/* A folder of the test's own, removed with what it holds. */
class Tool : public ::testing::Test {
 protected:
  void SetUp () override
  {
    gchar *dir = g_dir_make_tmp ("modeltool-XXXXXX", nullptr);
    ASSERT_NE (nullptr, dir);
    folder_ = dir;
    g_free (dir);
  }
  void TearDown () override
  {
    std::string command = "rm -rf '" + folder_ + "'";
    EXPECT_EQ (0, system (command.c_str ()));
  }
  std::string path (const std::string &name) const { return folder_ + "/" + name; }
  Outcome run (const std::vector<std::string> &arguments) const { return run_tool (folder_, arguments); }
  std::set<std::string> names () const
  {
    std::set<std::string> found;
    GDir *dir = g_dir_open (folder_.c_str (), 0, nullptr);
    while (const char *name = dir ? g_dir_read_name (dir) : nullptr)
      found.insert (name);
    if (dir)
      g_dir_close (dir);
    return found;
  }

  std::string folder_;
};

/* ---- the CREATE text reader ---------------------------------------------- */

TEST (Ddl, TokensKnowQuotesAndComments)
{
  struct Case {
    const char *sql;
    std::vector<std::string> names;  // each token unquoted
  } cases[] = {
    {"a \"b \"\" c\" [d e] `f``g` 'h''i'", {"a", "b \" c", "d e", "f`g", "h'i"}},
    {"x -- a comment (\n y /* ( ' */ z", {"x", "y", "z"}},
    {"1.5e-3 X'00FF' ,", {"1.5e-3", "X'00FF'", ","}},
    {"\"unclosed", {"unclosed"}},
    {"/* unclosed", {}},
    {"größe 日本語", {"größe", "日本語"}},
  };
  for (const Case &c : cases) {
    std::vector<std::string> names;
    for (const ddl::Token &token : ddl::tokenize (c.sql))
      names.push_back (ddl::unquote (token));
    EXPECT_EQ (c.names, names) << c.sql;
  }
}

TEST (Ddl, TablesTellTheirConstraintsAndOptions)
{
  ddl::Table t = ddl::parse_table (
      "CREATE TABLE \"t, (x)\" (\n"
      "  id INTEGER CONSTRAINT k PRIMARY KEY DESC ON CONFLICT FAIL AUTOINCREMENT,\n"
      "  a TEXT CHECK (a IN ('(', ')', ',')) /* , CHECK (no) */ COLLATE \"NoCase\",\n"
      "  \"b c\" REAL AS (length(a) * (2 + 1)) STORED,\n"
      "  d GENERATED ALWAYS AS (a || 'x'),\n"
      "  e INT REFERENCES other (z) ON DELETE SET NULL NOT DEFERRABLE NOT NULL,\n"
      "  CONSTRAINT two UNIQUE (a, \"b c\") ON CONFLICT REPLACE,\n"
      "  CHECK ((a <> '') AND (id > 0)),\n"
      "  FOREIGN KEY (a, e) REFERENCES main.other (x, y) MATCH FULL DEFERRABLE INITIALLY DEFERRED\n"
      ") WITHOUT ROWID, STRICT;");
  ASSERT_EQ (5u, t.columns.size ());
  EXPECT_EQ ("b c", t.columns[2].name);
  EXPECT_TRUE (t.columns[0].autoincrement);
  EXPECT_EQ ("FAIL", t.columns[0].conflict);
  EXPECT_EQ ("NoCase", t.columns[1].collation);
  EXPECT_EQ ("length(a) * (2 + 1)", t.columns[2].generated);
  EXPECT_EQ ("STORED", t.columns[2].storage);
  EXPECT_EQ ("a || 'x'", t.columns[3].generated);
  EXPECT_EQ ("VIRTUAL", t.columns[3].storage);
  EXPECT_EQ ("k", t.primary_key.name);
  EXPECT_EQ (std::vector<std::string>{"id"}, t.primary_key.columns);
  ASSERT_EQ (2u, t.checks.size ());
  EXPECT_EQ ("a IN ('(', ')', ',')", t.checks[0].expression);
  EXPECT_EQ ("a", t.checks[0].column);
  EXPECT_EQ ("(a <> '') AND (id > 0)", t.checks[1].expression);
  EXPECT_EQ ("", t.checks[1].column);
  ASSERT_EQ (1u, t.uniques.size ());
  EXPECT_EQ ("two", t.uniques[0].name);
  EXPECT_EQ ((std::vector<std::string>{"a", "b c"}), t.uniques[0].columns);
  EXPECT_EQ ("REPLACE", t.uniques[0].conflict);
  ASSERT_EQ (2u, t.foreign_keys.size ());
  EXPECT_EQ ("other", t.foreign_keys[0].table);
  EXPECT_EQ ("NOT DEFERRABLE", t.foreign_keys[0].deferrable);
  EXPECT_EQ ("other", t.foreign_keys[1].table);
  EXPECT_EQ ("FULL", t.foreign_keys[1].match);
  EXPECT_EQ ("DEFERRABLE INITIALLY DEFERRED", t.foreign_keys[1].deferrable);
  EXPECT_TRUE (t.without_rowid);
  EXPECT_TRUE (t.strict);

  EXPECT_EQ ("fts5", ddl::parse_table ("CREATE VIRTUAL TABLE docs USING fts5 (title, body)").module);
}

TEST (Ddl, TriggersIndexesAndViews)
{
  ddl::Trigger t = ddl::parse_trigger ("CREATE TRIGGER IF NOT EXISTS main.\"t g\" INSTEAD OF UPDATE OF a, \"b\" ON v "
                                       "FOR EACH ROW WHEN new.a > (SELECT max(x) FROM y)\nBEGIN\n"
                                       "  UPDATE y SET x = CASE WHEN 1 THEN 2 END; -- the end\nEND;");
  EXPECT_EQ ("INSTEAD OF", t.timing);
  EXPECT_EQ ("UPDATE", t.event);
  EXPECT_EQ ("a, \"b\"", t.columns);
  EXPECT_EQ ("new.a > (SELECT max(x) FROM y)", t.when);
  EXPECT_EQ ("UPDATE y SET x = CASE WHEN 1 THEN 2 END; -- the end", t.body);
  ddl::Trigger plain = ddl::parse_trigger ("CREATE TRIGGER x DELETE ON t BEGIN SELECT 1; END");
  EXPECT_EQ ("BEFORE", plain.timing);
  EXPECT_EQ ("DELETE", plain.event);
  EXPECT_EQ ("SELECT 1;", plain.body);

  ddl::Index i = ddl::parse_index ("CREATE UNIQUE INDEX i ON main.t (lower(a, ','), b COLLATE NOCASE DESC) "
                                   "WHERE b IS NOT NULL AND (a > ',');");
  EXPECT_EQ ((std::vector<std::string>{"lower(a, ',')", "b COLLATE NOCASE DESC"}), i.items);
  EXPECT_EQ ("b IS NOT NULL AND (a > ',')", i.where);

  ddl::View v = ddl::parse_view ("CREATE VIEW \"a view\" (\"x y\", z) AS SELECT 1, 2;");
  EXPECT_EQ ("\"x y\", z", v.columns);
  EXPECT_EQ ("SELECT 1, 2", v.definition);
}

/* Texts SQLite would refuse, cut anywhere: a result, never a crash. */
TEST (Ddl, AnyTextGivesAResult)
{
  std::string all = read_file (source_file ("kinds.sql"));
  std::mt19937 random (13);
  for (size_t end = 0; end < all.size (); end += 7) {
    std::string text = all.substr (random () % (end + 1), end);
    ddl::parse_table (text);
    ddl::parse_index (text);
    ddl::parse_trigger (text);
    ddl::parse_view (text);
  }
}

TEST (Ddl, AffinityRules)
{
  const std::pair<const char *, TavrelModelDataDataType> cases[] = {
    {"INT", TAVREL_MODEL_DATA_DATA_TYPE_INT64},
    {"unsigned big int", TAVREL_MODEL_DATA_DATA_TYPE_INT64},
    {"FLOATING POINT", TAVREL_MODEL_DATA_DATA_TYPE_INT64},
    {"VARCHAR(80)", TAVREL_MODEL_DATA_DATA_TYPE_STRING},
    {"clob", TAVREL_MODEL_DATA_DATA_TYPE_STRING},
    {"CHARINT", TAVREL_MODEL_DATA_DATA_TYPE_INT64},
    {"", TAVREL_MODEL_DATA_DATA_TYPE_BLOB},
    {"Blob", TAVREL_MODEL_DATA_DATA_TYPE_BLOB},
    {"DOUBLE PRECISION", TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE},
    {"real", TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE},
    {"DECIMAL(10,2)", TAVREL_MODEL_DATA_DATA_TYPE_DECIMAL},
    {"BOOLEAN", TAVREL_MODEL_DATA_DATA_TYPE_DECIMAL},
    {"STRING", TAVREL_MODEL_DATA_DATA_TYPE_DECIMAL},
  };
  for (auto &[type, kind] : cases)
    EXPECT_EQ (kind, ddl::kind_of_declared_type (type)) << type;
  gint64 length;
  guint8 scale;
  ddl::type_size ("NUMERIC( 10 , 2 )", &length, &scale);
  EXPECT_EQ (10, length);
  EXPECT_EQ (2, scale);
}

TEST (Rename, Specs)
{
  struct Case {
    const char *text;
    const char *table, *old_name, *new_name;
  } good[] = {
    {"a=b", "", "a", "b"},
    {"t.a=b", "t", "a", "b"},
    {"\"my.table\".\"a=b\"=\"c d\"", "my.table", "a=b", "c d"},
    {"[x y].z = w ", "x y", "z", "w"},
  };
  for (const Case &c : good) {
    Rename rename = parse_rename (c.text);
    EXPECT_EQ (c.table, rename.table) << c.text;
    EXPECT_EQ (c.old_name, rename.old_name) << c.text;
    EXPECT_EQ (c.new_name, rename.new_name) << c.text;
  }
  for (const char *bad : {"ab", "=b", "a=", "a.b.c=d", "a..b=c", "a b=c"})
    EXPECT_THROW (parse_rename (bad), Failure) << bad;
}

/* ---- texts as the outputs show them ------------------------------------------ */

TEST (Texts, OneLineAndJson)
{
  const std::string text = "a\nb\tc\x01 \"q\" \\ \xff ü";
  EXPECT_EQ ("a\\nb\\tc\\x01 \"q\" \\ \xEF\xBF\xBD ü", one_line (text));
  EXPECT_EQ ("\"a\\nb\\tc\\u0001 \\\"q\\\" \\\\ \xEF\xBF\xBD ü\"", json_string (text));
}

TEST (Texts, ColumnsAlignByWhatATerminalShows)
{
  Grid grid;
  grid.header = {"name", "n"};
  grid.right_aligned = {false, true};
  grid.rows = 3;
  const std::vector<std::vector<std::string>> rows = {{"日本", "1"}, {"Zoë", "22"}, {"e\xCC\x81", "333"}};
  grid.cells = [&] (size_t r, std::vector<std::string> &cells) { cells = rows[r]; };
  char *buffer = nullptr;
  size_t size = 0;
  FILE *out = open_memstream (&buffer, &size);
  print_aligned (out, grid);
  fclose (out);
  std::string printed (buffer, size);
  free (buffer);
  EXPECT_EQ ("name    n\n"
             "----  ---\n"
             "日本    1\n"
             "Zoë    22\n"
             "e\xCC\x81     333\n",
             printed);
}

/* ---- the progress line --------------------------------------------------- */

TEST (Progress, OnlyOnATerminal)
{
  int pipe_ends[2];
  ASSERT_EQ (0, pipe (pipe_ends));
  FILE *piped = fdopen (pipe_ends[1], "w");
  {
    Progress progress ("rows", 10, 0, piped);
    for (int i = 0; i < 5000; i++)
      progress.tick ();
    EXPECT_FALSE (progress.printed ());
  }
  fclose (piped);
  close (pipe_ends[0]);

  int controller = -1, terminal = -1;
  if (openpty (&controller, &terminal, nullptr, nullptr, nullptr) != 0)
    GTEST_SKIP () << "no pseudo-terminal here";
  FILE *screen = fdopen (terminal, "w");
  {
    Progress small ("rows", 10000, 0, screen);
    for (int i = 0; i < 5000; i++)
      small.tick ();
    EXPECT_FALSE (small.printed ()) << "a short read shows nothing";
    Progress large ("tables", 100, 5000, screen);
    large.set (2000);
    EXPECT_TRUE (large.printed ());
  }
  fclose (screen);
  /* A terminal hands over what was written in pieces of its own. */
  std::string shown;
  pollfd ready{controller, POLLIN, 0};
  while (poll (&ready, 1, 200) > 0 && (ready.revents & POLLIN)) {
    char piece[256];
    ssize_t n = read (controller, piece, sizeof piece);
    if (n <= 0)
      break;
    shown.append (piece, size_t (n));
  }
  close (controller);
  ASSERT_GE (shown.size (), 4u);
  EXPECT_NE (std::string::npos, shown.find ("reading tables: 2000 of 5000"));
  EXPECT_EQ ("\r\033[K", shown.substr (shown.size () - 4)) << "the line is cleared at the end";
}

/* ---- the tool, on generated databases --------------------------------------- */

/* Every command on a database that has everything, on the samples, and
 * on errors, compared with the expected files. */
TEST_F (Tool, OutputsMatchExpectedFiles)
{
  build_database (path ("kinds.db"), read_file (source_file ("kinds.sql")));
  build_database (path ("affinities.db"), read_file (source_file ("affinities.sql")));
  struct Case {
    std::vector<std::string> arguments;
    const char *expected;
    int status;
  } cases[] = {
    {{"catalog", "kinds.db"}, "catalog-kinds.json", 0},
    {{"query", "--json", "affinities.db", "SELECT * FROM affinities"}, "query-affinities.json", 0},
    {{"query", "affinities.db", "SELECT a, b, p, q, r, s, t, x, ad FROM affinities"}, "query-affinities.txt", 0},
    {{"query", "--csv", "affinities.db", "SELECT a, p, q, r, s, t, 'a,\"b\"' AS quoted, 'two\nlines' AS lines, '' AS "
                                         "empty FROM affinities"},
     "query-affinities.csv", 0},
    {{"query"}, "query-sample.txt", 0},
    {{"diff"}, "diff-sample.txt", 1},
    {{"diff", "--json", "--rename", "customers.email=email_address"}, "diff-sample-renamed.json", 1},
    {{"data-diff"}, "data-diff-sample.txt", 1},
    {{"data-diff", "--rename", "customers.email=email_address", "customers"}, "data-diff-sample-renamed.txt", 1},
    {{"data-diff", "--by-position", "--json", "orders"}, "data-diff-sample-positions.json", 1},
  };
  for (const Case &c : cases) {
    Outcome result = run (c.arguments);
    std::string what = c.arguments.empty () ? "" : c.arguments[0] + " → " + c.expected;
    EXPECT_EQ (c.status, result.status) << what << "\n" << result.err;
    EXPECT_EQ ("", result.err) << what;
    EXPECT_EQ (read_file (source_file (std::string ("expected/") + c.expected)), result.out) << what;
  }
}

/* What catalog writes, diff reads back as the same catalogue. */
TEST_F (Tool, CataloguesReadBackIdentical)
{
  build_database (path ("kinds.db"), read_file (source_file ("kinds.sql")));
  for (const char *source : {"kinds.db", SAMPLE_V1, SAMPLE_V2}) {
    Outcome written = run ({"catalog", "--output", "catalogue.json", source});
    ASSERT_EQ (0, written.status) << source << ": " << written.err;
    EXPECT_EQ ("", written.out);
    for (auto [first, second] : {std::pair{source, "catalogue.json"}, std::pair{"catalogue.json", source}}) {
      Outcome compared = run ({"diff", first, second});
      EXPECT_EQ (0, compared.status) << first << " against " << second << "\n" << compared.out << compared.err;
      EXPECT_EQ ("", compared.out);
    }
  }
}

TEST_F (Tool, TenThousandTables)
{
  build_database (path ("many.db"), lmtest::many_tables_sql (10000));

  Outcome written = run ({"catalog", "-o", "many.json", "many.db"});
  ASSERT_EQ (0, written.status) << written.err;
  EXPECT_EQ ("", written.err) << "no progress line where no one watches";
  g_autoptr (JsonParser) parser = json_parser_new ();
  ASSERT_TRUE (json_parser_load_from_file (parser, path ("many.json").c_str (), nullptr));
  JsonObject *schema = json_array_get_object_element (
      json_object_get_array_member (json_node_get_object (json_parser_get_root (parser)), "schemas"), 0);
  JsonArray *tables = json_object_get_array_member (schema, "tables");
  ASSERT_EQ (10000u, json_array_get_length (tables));
  JsonObject *last = json_array_get_object_element (tables, 9999);
  EXPECT_STREQ ("t9999", json_object_get_string_member (last, "name"));
  EXPECT_EQ (3u, json_array_get_length (json_object_get_array_member (last, "constraints")));
  EXPECT_EQ (4u, json_array_get_length (json_object_get_array_member (last, "columns")));

  Outcome compared = run ({"diff", "many.db", "many.json"});
  EXPECT_EQ (0, compared.status) << compared.out << compared.err;
  EXPECT_EQ ("", compared.out);
}

/* Two versions of a table, changed at random where the test knows it:
 * the keyed comparison reports exactly those rows, whatever their order. */
TEST_F (Tool, KeyedComparisonFindsExactlyTheChangedRows)
{
  std::mt19937 random (2024);
  std::map<std::string, std::string> expected;  // "<table> <key>" to the version
  std::string first = "BEGIN;CREATE TABLE items (id INTEGER PRIMARY KEY, name TEXT, price REAL);"
                      "CREATE TABLE pairs (a TEXT, b REAL, note TEXT, PRIMARY KEY (a, b)) WITHOUT ROWID;"
                      "CREATE TABLE loose (note TEXT);";
  std::string second = first;
  auto both = [&] (const std::string &text) {
    first += text;
    second += text;
  };
  for (int id = 1; id <= 3000; id++) {
    std::string key = std::to_string (id), row = "(" + key + ", 'item " + key + "', " + std::to_string (id) + ".25)";
    switch (random () % 10) {
    case 0:
      first += "INSERT INTO items VALUES " + row + ";";
      expected["items " + key] = "DELETE";
      break;
    case 1:
      second += "INSERT INTO items VALUES " + row + ";";
      expected["items " + key] = "INSERT";
      break;
    case 2:
      first += "INSERT INTO items VALUES " + row + ";";
      second += "INSERT INTO items VALUES (" + key + ", 'item " + key + "', " + key + ".2500001);";
      expected["items " + key] = "UPDATE";
      break;
    default:
      both ("INSERT INTO items VALUES " + row + ";");
    }
  }
  /* Keys that differ only past the second decimal, which is where a
   * double's own text ends. */
  for (int k = 1; k < 60; k++) {
    if (k % 10 == 0)
      continue;
    std::string b = (k < 10 ? "1.000" : "1.00") + std::to_string (k);
    std::string row = "('k', " + b + ", 'same')";
    if (k % 7 == 3) {
      second += "INSERT INTO pairs VALUES ('k', " + b + ", 'changed');";
      first += "INSERT INTO pairs VALUES " + row + ";";
      expected["pairs " + b] = "UPDATE";
    } else if (k % 7 == 5) {
      first += "INSERT INTO pairs VALUES " + row + ";";
      expected["pairs " + b] = "DELETE";
    } else {
      both ("INSERT INTO pairs VALUES " + row + ";");
    }
  }
  /* No primary key: rows pair by rowid. */
  for (int r = 1; r <= 20; r++)
    both ("INSERT INTO loose (rowid, note) VALUES (" + std::to_string (r) + ", 'n');");
  second += "UPDATE loose SET note = 'm' WHERE rowid = 7;DELETE FROM loose WHERE rowid = 9;";
  expected["loose 7"] = "UPDATE";
  expected["loose 9"] = "DELETE";
  build_database (path ("first.db"), first + "COMMIT;");
  build_database (path ("second.db"), second + "COMMIT;");

  std::map<std::string, std::string> found;
  for (const char *table : {"items", "pairs", "loose"}) {
    Outcome result = run ({"data-diff", "--json", "first.db", "second.db", table});
    EXPECT_EQ (1, result.status) << result.err;
    g_autoptr (JsonParser) parser = json_parser_new ();
    ASSERT_TRUE (json_parser_load_from_data (parser, result.out.c_str (), -1, nullptr)) << result.out;
    JsonArray *rows = json_object_get_array_member (json_node_get_object (json_parser_get_root (parser)), "rows");
    int key = std::string (table) == "pairs" ? 1 : 0;
    for (guint i = 0; i < json_array_get_length (rows); i++) {
      JsonObject *row = json_array_get_object_element (rows, i);
      JsonNode *value = json_object_get_member (
          json_array_get_object_element (json_object_get_array_member (row, "values"), guint (key)), "value");
      std::string text = JSON_NODE_HOLDS_VALUE (value) && json_node_get_value_type (value) == G_TYPE_STRING
                             ? json_node_get_string (value)
                             : std::to_string (json_node_get_int (value));
      EXPECT_TRUE (found.emplace (std::string (table) + " " + text, json_object_get_string_member (row, "version")).second)
          << table << " " << text << " reported twice";
    }
  }
  EXPECT_EQ (expected, found);
}

TEST_F (Tool, FailuresAreOneLineAndChangeNothing)
{
  build_database (path ("shop.db"), read_file (source_file ("../../examples/shop-v1.sql")));
  build_database (path ("wal.db"), "PRAGMA journal_mode = WAL; CREATE TABLE t (a); INSERT INTO t VALUES (1);");
  ASSERT_EQ (0, mkdir (path ("folder").c_str (), 0755));
  g_file_set_contents (path ("text.txt").c_str (), "hello\n", -1, nullptr);
  g_file_set_contents (path ("broken.json").c_str (), "{\"schemas\": [", -1, nullptr);
  g_file_set_contents (path ("other.json").c_str (), "{\"tables\": []}", -1, nullptr);
  std::string garbage = "SQLite format 3";
  garbage.push_back ('\0');
  garbage += std::string (4096, 'x');
  g_file_set_contents (path ("garbage.db").c_str (), garbage.data (), gssize (garbage.size ()), nullptr);
  std::string before = read_file (path ("shop.db")), wal_before = read_file (path ("wal.db"));
  std::set<std::string> files = names ();

  struct Case {
    std::vector<std::string> arguments;
    const char *error;
  } cases[] = {
    {{"catalog", "missing.db"}, "missing.db: No such file or directory"},
    {{"catalog", "folder"}, "folder: is a directory"},
    {{"catalog", "text.txt"}, "text.txt: neither a SQLite database nor a catalogue in JSON"},
    {{"catalog", "garbage.db"}, "garbage.db: file is not a database"},
    {{"diff", "broken.json", "shop.db"}, "broken.json: not valid JSON: line 1:13: Parse error: unexpected end of file, "
                                         "expected character `]'"},
    {{"diff", "shop.db", "other.json"}, "other.json: JSON, but no catalogue: it has no \"schemas\" array"},
    {{"query", "other.json", "SELECT 1"}, "other.json: a catalogue in JSON, not a SQLite database"},
    {{"query", "shop.db", "SELECT missing FROM orders"}, "shop.db: no such column: missing"},
    {{"query", "shop.db", "DELETE FROM orders"}, "shop.db: the statement would change the database, and modeltool only reads"},
    {{"query", "shop.db", "SELECT 1; DROP TABLE orders"}, "shop.db: more than one statement given; modeltool runs one"},
    {{"query", "wal.db", "UPDATE t SET a = 2"}, "wal.db: the statement would change the database, and modeltool only reads"},
    {{"data-diff", "shop.db", "wal.db", "orders"}, "wal.db: no table orders"},
    {{"data-diff", "shop.db", "shop.db", "order_overview"},
     "shop.db: order_overview has neither a primary key nor a rowid; compare it with --by-position"},
    {{"diff", "--rename", "customers.mail=email", "shop.db", ":shop-v2"},
     "--rename customers.mail=email: no mail in the first's customers and email in the second's"},
    {{"diff", "--rename", "nonsense", "shop.db", ":shop-v2"}, "--rename nonsense: expected OLD=NEW or TABLE.OLD=NEW"},
    {{"diff", "shop.db"}, "diff: two catalogues, or none for the sample (see modeltool diff --help)"},
    {{"query", "--json", "--csv"}, "query: --json and --csv exclude each other (see modeltool query --help)"},
    {{"catalog", "--nonsense"}, "catalog: Unknown option --nonsense (see modeltool catalog --help)"},
    {{"rewrite"}, "no command rewrite (see modeltool --help)"},
    {{"catalog", "-o", "no/such/folder/out.json", "shop.db"}, nullptr},
  };
  for (const Case &c : cases) {
    Outcome result = run (c.arguments);
    std::string what = c.arguments[0] + " " + c.arguments.back ();
    EXPECT_EQ (2, result.status) << what;
    EXPECT_EQ ("", result.out) << what;
    ASSERT_FALSE (result.err.empty ()) << what;
    EXPECT_EQ (1, std::count (result.err.begin (), result.err.end (), '\n')) << what << ": " << result.err;
    if (c.error)
      EXPECT_EQ (std::string ("modeltool: ") + c.error + "\n", result.err);
    else
      EXPECT_EQ (0u, result.err.rfind ("modeltool: no/such/folder/out.json: ", 0)) << result.err;
  }
  EXPECT_EQ (before, read_file (path ("shop.db")));
  EXPECT_EQ (wal_before, read_file (path ("wal.db")));
  EXPECT_EQ (files, names ()) << "no -wal, -shm or journal file left behind";

  /* A database another connection holds locked is reported, not waited
   * for. */
  sqlite3 *writer = nullptr;
  ASSERT_EQ (SQLITE_OK, sqlite3_open (path ("shop.db").c_str (), &writer));
  ASSERT_EQ (SQLITE_OK, sqlite3_exec (writer, "BEGIN EXCLUSIVE; DELETE FROM order_items;", nullptr, nullptr, nullptr));
  Outcome locked = run ({"query", "shop.db", "SELECT * FROM order_items"});
  sqlite3_exec (writer, "ROLLBACK", nullptr, nullptr, nullptr);
  sqlite3_close (writer);
  EXPECT_EQ (2, locked.status);
  EXPECT_EQ ("modeltool: shop.db: database is locked\n", locked.err);

  /* Output that cannot be written is no success. */
  std::string command = std::string ("'") + g_getenv ("MODELTOOL") + "' catalog > /dev/full 2> /dev/null";
  int status = system (command.c_str ());
  EXPECT_TRUE (WIFEXITED (status) && WEXITSTATUS (status) == 2) << status;
}

/* A catalogue read back from JSON compares as the database it came from. */
TEST_F (Tool, JsonAndDatabasesCompareAlike)
{
  ASSERT_EQ (0, run ({"catalog", "-o", "v1.json", SAMPLE_V1}).status);
  Outcome mixed = run ({"diff", "v1.json", SAMPLE_V2});
  EXPECT_EQ (1, mixed.status) << mixed.err;
  std::string expected = read_file (source_file ("expected/diff-sample.txt"));
  expected.replace (0, expected.find ('\n'), "--- v1.json");
  EXPECT_EQ (expected, mixed.out);
}

/* A table renamed, and its column, index and check with it: paired by the
 * rename marks, each member named by either side's table name. */
TEST_F (Tool, RenamesPairTablesAndTheirMembers)
{
  build_database (path ("first.db"), "CREATE TABLE clients (id INTEGER PRIMARY KEY, mail TEXT CHECK (mail LIKE '%@%'));"
                                     "CREATE INDEX clients_mail ON clients (mail);");
  build_database (path ("second.db"), "CREATE TABLE customers (id INTEGER PRIMARY KEY, email TEXT CHECK (email LIKE '%@%'));"
                                      "CREATE INDEX customers_mail ON customers (email);");
  Outcome plain = run ({"diff", "first.db", "second.db"});
  EXPECT_EQ (1, plain.status);
  EXPECT_EQ ("--- first.db\n+++ second.db\n"
             "schemas.main  UPDATE\n"
             "  tables.clients    DELETE\n"
             "  tables.customers  INSERT\n",
             plain.out);
  Outcome renamed = run ({"diff", "-r", "clients=customers", "-r", "clients.mail=email", "-r",
                          "customers.clients_mail=customers_mail", "-r", "customers.mail_check=email_check", "first.db",
                          "second.db"});
  EXPECT_EQ (1, renamed.status) << renamed.err;
  EXPECT_EQ ("--- first.db\n+++ second.db\n"
             "schemas.main  UPDATE\n"
             "  tables.customers  UPDATE\n"
             "    columns.email            UPDATE\n"
             "      name  UPDATE  was \"mail\"  now \"email\"\n"
             "    constraints.email_check  UPDATE\n"
             "      check  UPDATE  was \"mail LIKE '%@%'\"  now \"email LIKE '%@%'\"\n"
             "      name   UPDATE  was \"mail_check\"  now \"email_check\"\n"
             "    indexes.customers_mail   UPDATE\n"
             "      columns.email  INSERT\n"
             "      columns.mail   DELETE\n"
             "      entity         UPDATE  was \"clients\"  now \"customers\"\n"
             "      name           UPDATE  was \"clients_mail\"  now \"customers_mail\"\n"
             "    name                     UPDATE  was \"clients\"  now \"customers\"\n",
             renamed.out);
}

/* Virtual tables are read with their module, or without their columns
 * when this SQLite lacks it; an empty file is an empty database. */
TEST_F (Tool, VirtualTablesAndEmptyFiles)
{
  build_database (path ("virtual.db"),
                  "CREATE VIRTUAL TABLE docs USING fts5 (title, body);"
                  "PRAGMA writable_schema = ON;"
                  "INSERT INTO sqlite_schema (type, name, tbl_name, rootpage, sql) VALUES"
                  " ('table', 'elsewhere', 'elsewhere', 0, 'CREATE VIRTUAL TABLE elsewhere USING nowhere (a, b)');");
  Outcome read = run ({"catalog", "virtual.db"});
  ASSERT_EQ (0, read.status) << read.err;
  g_autoptr (JsonParser) parser = json_parser_new ();
  ASSERT_TRUE (json_parser_load_from_data (parser, read.out.c_str (), -1, nullptr));
  JsonArray *tables = json_object_get_array_member (
      json_array_get_object_element (json_object_get_array_member (json_node_get_object (json_parser_get_root (parser)), "schemas"), 0),
      "tables");
  std::map<std::string, JsonObject *> by_name;
  for (guint i = 0; i < json_array_get_length (tables); i++)
    by_name[json_object_get_string_member (json_array_get_object_element (tables, i), "name")] =
        json_array_get_object_element (tables, i);
  ASSERT_TRUE (by_name.count ("docs") && by_name.count ("docs_data") && by_name.count ("elsewhere"));
  EXPECT_STREQ ("fts5", json_object_get_string_member (json_object_get_object_member (by_name["docs"], "attributes"), "module"));
  /* The module's hidden columns too, marked so. */
  std::vector<std::string> columns;
  JsonArray *docs = json_object_get_array_member (by_name["docs"], "columns");
  for (guint i = 0; i < json_array_get_length (docs); i++) {
    JsonObject *column = json_array_get_object_element (docs, i);
    columns.push_back (std::string (json_object_get_string_member (column, "name")) +
                       (json_object_has_member (json_object_get_object_member (column, "attributes"), "hidden") ? " (hidden)" : ""));
  }
  EXPECT_EQ ((std::vector<std::string>{"title", "body", "docs (hidden)", "rank (hidden)"}), columns);
  EXPECT_STREQ ("no such module: nowhere",
                json_object_get_string_member (json_object_get_object_member (by_name["elsewhere"], "attributes"),
                                               "columns-unknown"));

  g_file_set_contents (path ("empty.db").c_str (), "", 0, nullptr);
  Outcome empty = run ({"diff", "empty.db", "virtual.db"});
  EXPECT_EQ (1, empty.status) << empty.err;
  EXPECT_EQ ("--- empty.db\n+++ virtual.db\n"
             "schemas.main  UPDATE\n"
             "  tables.docs          INSERT\n"
             "  tables.docs_config   INSERT\n"
             "  tables.docs_content  INSERT\n"
             "  tables.docs_data     INSERT\n"
             "  tables.docs_docsize  INSERT\n"
             "  tables.docs_idx      INSERT\n"
             "  tables.elsewhere     INSERT\n",
             empty.out);
  EXPECT_EQ (0, run ({"diff", "empty.db", "empty.db"}).status);
}

TEST_F (Tool, HelpSaysWhatEachCommandDoes)
{
  Outcome top = run ({"--help"});
  EXPECT_EQ (0, top.status);
  for (const char *command : {"catalog", "query", "diff", "data-diff"}) {
    EXPECT_NE (std::string::npos, top.out.find (std::string ("  ") + command + " ")) << command;
    Outcome help = run ({command, "--help"});
    EXPECT_EQ (0, help.status) << command;
    EXPECT_NE (std::string::npos, help.out.find (std::string ("modeltool ") + command)) << help.out;
  }
  EXPECT_EQ (2, run ({}).status);
}

}  // namespace
