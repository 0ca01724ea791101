/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * modeltool: reads SQLite databases into libmodel's objects, prints their
 * catalogue as JSON and compares catalogues and rows with the patcher.
 */

#include <libmodel.h>

#include <cerrno>
#include <cstring>
#include <string>
#include <vector>

#include "tools/catalog.h"
#include "tools/compare.h"
#include "tools/driver.h"
#include "tools/rows.h"

namespace modeltool {
namespace {

const char SUMMARY[] =
    "Commands:\n"
    "  catalog [DB]             print a database's catalogue as JSON\n"
    "  query [DB] [STATEMENT]   run a query and print its rows\n"
    "  diff [A B]               compare two catalogues\n"
    "  data-diff [A B] TABLE    compare the rows of one table in two databases\n"
    "\n"
    "A database is a SQLite file, opened read-only; diff also takes catalogues\n"
    "in JSON as catalog writes them.  Without databases, each command runs on\n"
    "the sample shop, built in memory from the SQL files shipped with the\n"
    "program; its two versions are named :shop-v1 and :shop-v2.\n"
    "\n"
    "Exit status: 0 on success (for the comparisons: identical), 1 when the\n"
    "comparisons find differences, 2 on error.\n"
    "Run \"modeltool COMMAND --help\" for the options of a command.";

/* A command's options and its usage text. */
struct Command {
  const char *name;
  const char *parameters;
  const char *summary;
  int (*run) (FILE *out, const std::vector<std::string> &arguments);
};

struct Options {
  gchar *output = nullptr;
  gboolean json = FALSE;
  gboolean csv = FALSE;
  gboolean by_position = FALSE;
  gchar **renames = nullptr;
  ~Options ()
  {
    g_free (output);
    g_strfreev (renames);
  }
} options;

CompareOptions
compare_options ()
{
  CompareOptions compare;
  compare.json = options.json;
  compare.by_position = options.by_position;
  for (gchar **rename = options.renames; rename && *rename; rename++)
    compare.renames.push_back (parse_rename (*rename));
  return compare;
}

[[noreturn]] void
usage_error (const char *command, const std::string &message)
{
  throw Failure (std::string (command) + ": " + message + " (see modeltool " + command + " --help)");
}

int
run_catalog (FILE *out, const std::vector<std::string> &arguments)
{
  if (arguments.size () > 1)
    usage_error ("catalog", "one database at most");
  std::string source = arguments.empty () ? SAMPLE_V2 : arguments[0];
  g_autoptr (TavrelModelMetaMetaDatabase) database = load_catalogue (source);
  std::string text = catalogue_json (database);
  if (!options.output) {
    fputs (text.c_str (), out);
    return 0;
  }
  /* Written beside the target and renamed over it: a failure leaves any
   * earlier file whole. */
  GError *error = nullptr;
  if (!g_file_set_contents_full (options.output, text.c_str (), gssize (text.size ()),
                                 G_FILE_SET_CONTENTS_CONSISTENT, 0666, &error)) {
    std::string cause = error->message;
    g_error_free (error);
    fail (options.output, cause);
  }
  return 0;
}

int
run_query (FILE *out, const std::vector<std::string> &arguments)
{
  if (options.json && options.csv)
    usage_error ("query", "--json and --csv exclude each other");
  std::string source = SAMPLE_V2, sql = "SELECT * FROM orders";
  if (arguments.size () == 2) {
    source = arguments[0];
    sql = arguments[1];
  } else if (arguments.size () == 1) {
    /* A lone argument is the statement, unless it names a database. */
    if (is_sample (arguments[0]) || g_file_test (arguments[0].c_str (), G_FILE_TEST_EXISTS))
      usage_error ("query", "a statement is needed after the database");
    sql = arguments[0];
  } else if (arguments.size () > 2) {
    usage_error ("query", "a database and one statement at most");
  }
  Connection db (source);
  g_autoptr (TavrelModelDataTableModel) table = read_table (db, sql);
  print_table (out, table, options.json ? Format::JSON : options.csv ? Format::CSV : Format::TEXT);
  return 0;
}

int
run_diff (FILE *out, const std::vector<std::string> &arguments)
{
  if (arguments.size () == 1 || arguments.size () > 2)
    usage_error ("diff", "two catalogues, or none for the sample");
  std::string first = arguments.empty () ? SAMPLE_V1 : arguments[0];
  std::string second = arguments.empty () ? SAMPLE_V2 : arguments[1];
  return diff_catalogues (out, first, second, compare_options ());
}

int
run_data_diff (FILE *out, const std::vector<std::string> &arguments)
{
  std::string first = SAMPLE_V1, second = SAMPLE_V2, table = "orders";
  if (arguments.size () == 3) {
    first = arguments[0];
    second = arguments[1];
    table = arguments[2];
  } else if (arguments.size () == 1) {
    table = arguments[0];
  } else if (!arguments.empty ()) {
    usage_error ("data-diff", "two databases and a table, a table for the sample, or nothing");
  }
  return diff_data (out, first, second, table, compare_options ());
}

const GOptionEntry OUTPUT_ENTRY[] = {
  {"output", 'o', 0, G_OPTION_ARG_FILENAME, &options.output, "Write the JSON to FILE instead of standard output", "FILE"},
  {nullptr, 0, 0, G_OPTION_ARG_NONE, nullptr, nullptr, nullptr},
};
const GOptionEntry QUERY_ENTRIES[] = {
  {"json", 0, 0, G_OPTION_ARG_NONE, &options.json, "Print the rows as JSON", nullptr},
  {"csv", 0, 0, G_OPTION_ARG_NONE, &options.csv, "Print the rows as CSV (RFC 4180)", nullptr},
  {nullptr, 0, 0, G_OPTION_ARG_NONE, nullptr, nullptr, nullptr},
};
const GOptionEntry DIFF_ENTRIES[] = {
  {"rename", 'r', 0, G_OPTION_ARG_STRING_ARRAY, &options.renames,
   "Take NEW in B for OLD in A: a table or view (OLD=NEW), or a column, index, constraint or trigger of TABLE "
   "(TABLE.OLD=NEW); may be repeated",
   "[TABLE.]OLD=NEW"},
  {"json", 0, 0, G_OPTION_ARG_NONE, &options.json, "Print the change record as JSON", nullptr},
  {nullptr, 0, 0, G_OPTION_ARG_NONE, nullptr, nullptr, nullptr},
};
const GOptionEntry DATA_DIFF_ENTRIES[] = {
  {"rename", 'r', 0, G_OPTION_ARG_STRING_ARRAY, &options.renames,
   "Take NEW in B for OLD in A: the table (OLD=NEW) or one of its columns (TABLE.OLD=NEW); may be repeated",
   "[TABLE.]OLD=NEW"},
  {"by-position", 0, 0, G_OPTION_ARG_NONE, &options.by_position,
   "Pair rows by their position rather than by the primary key", nullptr},
  {"json", 0, 0, G_OPTION_ARG_NONE, &options.json, "Print the changed rows as JSON", nullptr},
  {nullptr, 0, 0, G_OPTION_ARG_NONE, nullptr, nullptr, nullptr},
};

struct CommandEntry {
  Command command;
  const GOptionEntry *entries;
  const char *description;
};

const CommandEntry COMMANDS[] = {
  {{"catalog", "[DB]", "Prints the catalogue of DB as JSON: tables with their columns, constraints, indexes and "
                       "triggers, and views.",
    run_catalog},
   OUTPUT_ENTRY,
   "Without DB, the catalogue of the sample :shop-v2."},
  {{"query", "[DB] [STATEMENT]", "Runs one reading STATEMENT on DB and prints its rows as a table with each row's "
                                 "version, as JSON or as CSV.",
    run_query},
   QUERY_ENTRIES,
   "Without DB, the statement runs on the sample :shop-v2; without either, \"SELECT * FROM orders\" does."},
  {{"diff", "[A B]", "Compares the catalogues of A and B and prints every change the patcher recorded in B's tree, "
                     "nested, with the old and the new text.",
    run_diff},
   DIFF_ENTRIES,
   "A and B are SQLite files or catalogue JSON files, in any mix; without them, the samples :shop-v1 and :shop-v2.\n"
   "Exit status: 0 identical, 1 different, 2 error."},
  {{"data-diff", "[A B] TABLE", "Compares the rows of TABLE in A and B, paired by its primary key (by rowid when it "
                                "has none), and prints the changed rows with each value's change.",
    run_data_diff},
   DATA_DIFF_ENTRIES,
   "Without A and B, the samples :shop-v1 and :shop-v2; without TABLE as well, their orders.\n"
   "Exit status: 0 identical, 1 different, 2 error."},
};

void
print_usage (FILE *out)
{
  fprintf (out, "Usage:\n  modeltool COMMAND [OPTION…] [ARGUMENT…]\n\n%s\n", SUMMARY);
}

int
run (int argc, char **argv)
{
  if (argc < 2) {
    print_usage (stderr);
    return 2;
  }
  std::string name = argv[1];
  if (name == "--help" || name == "-h" || name == "help") {
    print_usage (stdout);
    return 0;
  }
  if (name == "--version") {
    printf ("modeltool %s\n", MODELTOOL_VERSION);
    return 0;
  }
  const CommandEntry *entry = nullptr;
  for (const CommandEntry &candidate : COMMANDS)
    if (name == candidate.command.name)
      entry = &candidate;
  if (!entry)
    throw Failure ("no command " + name + " (see modeltool --help)");

  std::string program = "modeltool " + name;
  g_set_prgname (program.c_str ());
  g_autoptr (GOptionContext) context = g_option_context_new (entry->command.parameters);
  g_option_context_set_summary (context, entry->command.summary);
  g_option_context_set_description (context, entry->description);
  g_option_context_add_main_entries (context, entry->entries, nullptr);
  /* Options may follow the arguments; "--" ends them. */
  std::vector<char *> args (argv + 1, argv + argc);
  int count = int (args.size ());
  char **vector = args.data ();
  GError *error = nullptr;
  if (!g_option_context_parse (context, &count, &vector, &error)) {
    std::string message = error->message;
    g_error_free (error);
    usage_error (entry->command.name, message);
  }
  std::vector<std::string> arguments;
  for (int i = 1; i < count; i++)
    if (strcmp (vector[i], "--") != 0)
      arguments.emplace_back (vector[i]);
  return entry->command.run (stdout, arguments);
}

}  // namespace
}  // namespace modeltool

int
main (int argc, char **argv)
{
  int status;
  try {
    status = modeltool::run (argc, argv);
  } catch (const modeltool::Failure &failure) {
    fflush (stdout);
    fprintf (stderr, "modeltool: %s\n", failure.what ());
    return 2;
  }
  /* Output that could not be written is a failure, not a success. */
  if (fflush (stdout) != 0 || ferror (stdout)) {
    fprintf (stderr, "modeltool: standard output: %s\n", g_strerror (errno ? errno : EIO));
    return 2;
  }
  return status;
}
