/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * modeltool's driver: the little a client needs of SQLite to read a
 * database, and nothing that could change one.  Files are opened read-only;
 * the sample databases are built in memory from the SQL shipped with the
 * program.  Every failure becomes one line that names the file and the
 * cause.
 */

#include <sqlite3.h>

#include <stdexcept>
#include <string>
#include <string_view>

namespace modeltool {

/* A failure to report on one line of stderr, ending the run with status 2. */
class Failure : public std::runtime_error {
 public:
  using std::runtime_error::runtime_error;
};

/* "where: cause" as the message of a Failure. */
[[noreturn]] void fail (std::string_view where, std::string_view cause);

/* What a file given on the command line holds, judged by its first bytes. */
enum class Content { SQLITE, JSON };

/* The names that stand for the sample databases instead of a file. */
inline constexpr const char *SAMPLE_V1 = ":shop-v1";
inline constexpr const char *SAMPLE_V2 = ":shop-v2";
bool is_sample (std::string_view name);

/* Checks that path is a readable regular file and tells what it holds; an
 * empty file is an empty SQLite database, as SQLite itself takes it.
 * wal, when given, tells whether the file is a database in WAL mode. */
Content sniff (const std::string &path, bool *wal = nullptr);

class Statement;

/* One connection, read-only for a file. */
class Connection {
 public:
  /* A file as it is, or a sample (SAMPLE_V1, SAMPLE_V2) built in memory. */
  explicit Connection (const std::string &source);
  Connection (const Connection &) = delete;
  Connection &operator= (const Connection &) = delete;
  ~Connection ();

  sqlite3 *handle () const { return db_; }
  /* The name messages use: the path, or the sample's name. */
  const std::string &label () const { return label_; }

  Statement prepare (std::string_view sql) const;
  /* A statement given by a user: exactly one, no more and no less. */
  Statement prepare_one (std::string_view sql) const;

  /* Fails naming this database, with SQLite's own message. */
  [[noreturn]] void fail_with_error () const;

 private:
  sqlite3 *db_ = nullptr;
  std::string label_;
};

/* A prepared statement that fails (naming its database) instead of
 * returning error codes. */
class Statement {
 public:
  Statement (const Connection &connection, sqlite3_stmt *stmt) : connection_ (&connection), stmt_ (stmt) {}
  Statement (Statement &&other) noexcept : connection_ (other.connection_), stmt_ (other.stmt_) { other.stmt_ = nullptr; }
  Statement (const Statement &) = delete;
  Statement &operator= (const Statement &) = delete;
  ~Statement () { sqlite3_finalize (stmt_); }

  /* True while there is a row. */
  bool step ();
  void reset () { sqlite3_reset (stmt_); }
  void bind (int index, std::string_view text);

  int columns () const { return sqlite3_column_count (stmt_); }
  int type (int column) const { return sqlite3_column_type (stmt_, column); }
  /* The cell as text, or null for SQL NULL. */
  const char *text (int column) const { return reinterpret_cast<const char *> (sqlite3_column_text (stmt_, column)); }
  /* The cell as text, "" for SQL NULL. */
  std::string string (int column) const;
  sqlite3_int64 integer (int column) const { return sqlite3_column_int64 (stmt_, column); }
  sqlite3_stmt *handle () const { return stmt_; }

 private:
  const Connection *connection_;
  sqlite3_stmt *stmt_;
};

/* An SQL identifier in double quotes, ready to be put into a statement. */
std::string quote_identifier (std::string_view name);

}  // namespace modeltool
