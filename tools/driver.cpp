/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "tools/driver.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <gio/gio.h>

/* Generated C, without guards of its own for C++. */
extern "C" {
#include "modeltool-resources.h"
}

#include <cerrno>
#include <cstring>

namespace modeltool {

void
fail (std::string_view where, std::string_view cause)
{
  std::string message (where);
  message += ": ";
  message += cause;
  throw Failure (message);
}

bool
is_sample (std::string_view name)
{
  return name == SAMPLE_V1 || name == SAMPLE_V2;
}

Content
sniff (const std::string &path, bool *wal)
{
  /* Not blocking: a FIFO named on the command line must not hang the run
   * before it is refused. */
  int fd = open (path.c_str (), O_RDONLY | O_NONBLOCK | O_CLOEXEC | O_NOCTTY);
  if (fd < 0)
    fail (path, g_strerror (errno));
  struct stat st;
  if (fstat (fd, &st) != 0) {
    int saved = errno;
    close (fd);
    fail (path, g_strerror (saved));
  }
  if (S_ISDIR (st.st_mode)) {
    close (fd);
    fail (path, "is a directory");
  }
  if (!S_ISREG (st.st_mode)) {
    close (fd);
    fail (path, "not a regular file");
  }
  char head[64];
  ssize_t n;
  do
    n = read (fd, head, sizeof head);
  while (n < 0 && errno == EINTR);
  int saved = errno;
  close (fd);
  if (n < 0)
    fail (path, g_strerror (saved));

  static const char magic[] = "SQLite format 3";  // with its terminating zero: 16 bytes
  if (n == 0 || (n >= ssize_t (sizeof magic) && memcmp (head, magic, sizeof magic) == 0)) {
    /* The format's write and read versions, 2 for WAL. */
    if (wal)
      *wal = n >= 20 && head[18] == 2 && head[19] == 2;
    return Content::SQLITE;
  }
  ssize_t i = 0;
  if (n >= 3 && memcmp (head, "\xEF\xBB\xBF", 3) == 0)
    i = 3;
  while (i < n && g_ascii_isspace (head[i]))
    i++;
  if (i < n && head[i] == '{')
    return Content::JSON;
  fail (path, "neither a SQLite database nor a catalogue in JSON");
}

namespace {

/* The SQL of a sample, from the resources linked into the program. */
std::string
sample_script (const std::string &name)
{
  std::string path = "/org/tavrel/modeltool/" + name.substr (1) + ".sql";
  GError *error = nullptr;
  /* Looked up in the program's own bundle, which also keeps the linker
   * from dropping it out of the static library. */
  GBytes *bytes = g_resource_lookup_data (modeltool_get_resource (), path.c_str (), G_RESOURCE_LOOKUP_FLAGS_NONE, &error);
  if (!bytes) {
    std::string cause = error->message;
    g_error_free (error);
    fail (name, cause);
  }
  gsize size = 0;
  auto *data = static_cast<const char *> (g_bytes_get_data (bytes, &size));
  std::string script (data, size);
  g_bytes_unref (bytes);
  return script;
}

}  // namespace

Connection::Connection (const std::string &source) : label_ (source)
{
  int rc;
  if (is_sample (source)) {
    std::string script = sample_script (source);
    rc = sqlite3_open_v2 (":memory:", &db_, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE, nullptr);
    char *message = nullptr;
    if (rc == SQLITE_OK)
      rc = sqlite3_exec (db_, script.c_str (), nullptr, nullptr, &message);
    if (rc != SQLITE_OK) {
      std::string cause = message ? message : sqlite3_errstr (rc);
      sqlite3_free (message);
      sqlite3_close (db_);
      fail (source, cause);
    }
    return;
  }

  bool wal = false;
  if (sniff (source, &wal) != Content::SQLITE)
    fail (source, "a catalogue in JSON, not a SQLite database");
  /*
   * Read-only.  A database in WAL mode would still get a -wal and a -shm
   * file beside it, which a reader cannot remove again; when it has none,
   * no connection is using it, and it is read as immutable instead.  The
   * name is escaped for the URI: "data?mode=rwc" is a file name.
   */
  std::string name = source;
  int flags = SQLITE_OPEN_READONLY;
  if (wal && !g_file_test ((source + "-wal").c_str (), G_FILE_TEST_EXISTS) &&
      !g_file_test ((source + "-shm").c_str (), G_FILE_TEST_EXISTS)) {
    g_autofree gchar *escaped = g_uri_escape_string (source.c_str (), "/", TRUE);
    name = std::string ("file:") + escaped + "?immutable=1";
    flags |= SQLITE_OPEN_URI;
  }
  rc = sqlite3_open_v2 (name.c_str (), &db_, flags, nullptr);
  if (rc != SQLITE_OK) {
    std::string cause = db_ ? sqlite3_errmsg (db_) : sqlite3_errstr (rc);
    sqlite3_close (db_);
    fail (source, cause);
  }
  /* A database from elsewhere runs none of its own code with side effects
   * in views or triggers, and its schema cannot be written around. */
  sqlite3_db_config (db_, SQLITE_DBCONFIG_TRUSTED_SCHEMA, 0, nullptr);
  sqlite3_db_config (db_, SQLITE_DBCONFIG_DEFENSIVE, 1, nullptr);
  /* A writer finishing its commit is waited for; a lock held longer is
   * reported. */
  sqlite3_busy_timeout (db_, 1000);
  /* SQLite reads the file lazily: a file that is no database, or one that
   * is locked, is reported here rather than halfway through. */
  sqlite3_stmt *probe = nullptr;
  rc = sqlite3_prepare_v2 (db_, "SELECT count(*) FROM sqlite_schema", -1, &probe, nullptr);
  if (rc == SQLITE_OK)
    rc = sqlite3_step (probe);
  sqlite3_finalize (probe);
  if (rc != SQLITE_ROW) {
    std::string cause = sqlite3_errmsg (db_);
    sqlite3_close (db_);
    fail (source, cause);
  }
}

Connection::~Connection ()
{
  sqlite3_close (db_);
}

Statement
Connection::prepare (std::string_view sql) const
{
  sqlite3_stmt *stmt = nullptr;
  if (sqlite3_prepare_v2 (db_, sql.data (), int (sql.size ()), &stmt, nullptr) != SQLITE_OK)
    fail_with_error ();
  return Statement (*this, stmt);
}

Statement
Connection::prepare_one (std::string_view sql) const
{
  sqlite3_stmt *stmt = nullptr;
  const char *tail = nullptr;
  if (sqlite3_prepare_v2 (db_, sql.data (), int (sql.size ()), &stmt, &tail) != SQLITE_OK)
    fail_with_error ();
  Statement statement (*this, stmt);
  if (!stmt)
    fail (label_, "no statement given");
  /* What follows may only be white space, comments and semicolons: a
   * second statement would otherwise be dropped unseen. */
  const char *end = sql.data () + sql.size ();
  while (tail && tail < end) {
    sqlite3_stmt *next = nullptr;
    const char *rest = nullptr;
    int rc = sqlite3_prepare_v2 (db_, tail, int (end - tail), &next, &rest);
    sqlite3_finalize (next);
    if (rc != SQLITE_OK || next)
      fail (label_, "more than one statement given; modeltool runs one");
    if (rest == tail)
      break;
    tail = rest;
  }
  return statement;
}

void
Connection::fail_with_error () const
{
  fail (label_, sqlite3_errmsg (db_));
}

bool
Statement::step ()
{
  int rc = sqlite3_step (stmt_);
  if (rc == SQLITE_ROW)
    return true;
  if (rc == SQLITE_DONE)
    return false;
  connection_->fail_with_error ();
}

void
Statement::bind (int index, std::string_view text)
{
  if (sqlite3_bind_text (stmt_, index, text.data (), int (text.size ()), SQLITE_TRANSIENT) != SQLITE_OK)
    connection_->fail_with_error ();
}

std::string
Statement::string (int column) const
{
  const char *cell = text (column);
  return cell ? std::string (cell, size_t (sqlite3_column_bytes (stmt_, column))) : std::string ();
}

std::string
quote_identifier (std::string_view name)
{
  std::string quoted = "\"";
  for (char c : name) {
    quoted += c;
    if (c == '"')
      quoted += '"';
  }
  quoted += '"';
  return quoted;
}

}  // namespace modeltool
