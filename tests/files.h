/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * Support for the suites of values kept in files: a fixture with a folder
 * and a main context of the test's own, what a task handed its callback
 * and the error its _finish reported, an output stream that records and
 * limits what it is asked to write, a lowered file size limit, and files
 * and folders that refuse writing.
 */

#include <sys/resource.h>
#include <sys/types.h>

#include <memory>
#include <optional>
#include <set>
#include <string>
#include <utility>
#include <vector>

#include "tests/support.h"

namespace lmtest {

/* What a finished task handed its callback, and on which context. */
struct Completion {
  int calls = 0;
  GObject *source = nullptr;
  GAsyncResult *result = nullptr;
  GMainContext *context = nullptr;
  Completion () = default;
  Completion (const Completion &) = delete;
  Completion &operator= (const Completion &) = delete;
  ~Completion () { g_clear_object (&result); }
};

/* The callback of a task, with a Completion as its data: it keeps the
 * result for the test to hand to _finish. */
void on_done (GObject *source, GAsyncResult *result, gpointer data);

/* A GError, or none, freed however the test ends. */
using Error = std::shared_ptr<GError>;

/* Takes ownership of error, which may be null. */
Error error_of (GError *error);

/* Real files in a folder of their own, and a main context of the test's
 * own pushed as the thread-default one: a step that strayed to another
 * context would never complete. */
class Files : public Test {
 protected:
  struct Layout {
    /* g_dir_make_tmp's template: a folder left behind names its suite. */
    const char *folder;
    /* The only names a test may leave in the folder, any other file
     * failing it; unset, whatever is there is removed unchecked. */
    std::optional<std::vector<std::string>> leftovers;
    /* Whether wait also fails a callback made from another context. */
    bool checks_context = true;
  };

  explicit Files (Layout layout) : layout_ (std::move (layout)) {}

  void SetUp () override;
  void TearDown () override;

  std::string path (const char *name) const { return std::string (dir_) + "/" + name; }
  void put (const char *name, const std::string &content);
  std::string contents (const char *name);

  /* What the folder holds: a failed save must leave no stray file. */
  std::set<std::string> names () const;

  /* Runs the context until the task called back (at most ten seconds). */
  void wait (Completion &done);

  void drain ();

  /* Starts the operation, checks that it did not call back before it
   * returned, waits and hands back what its _finish reported. */
  template <class Value, class Start, class Finish>
  Error run (Start start, Finish finish, Value *value, const std::string &where)
  {
    Completion done;
    start (value, where.c_str (), on_done, &done);
    EXPECT_EQ (0, done.calls) << "called back before the call returned";
    wait (done);
    EXPECT_EQ (G_OBJECT (value), done.source);
    GError *error = nullptr;
    if (done.result)
      finish (value, done.result, &error);
    return error_of (error);
  }

  GMainContext *context_ = nullptr;
  gchar *dir_ = nullptr;

 private:
  Layout layout_;
};

/* What a recording stream was asked to write and what it took.  It takes
 * at most `most` bytes a call (0: nothing, a stuck stream), or fails every
 * call with `failure`: what a writer meets from a slow, a stuck or a
 * failing stream. */
struct Recording {
  struct Failure {
    GIOErrorEnum code;
    const char *message;
  };
  std::vector<gsize> requests;
  std::string received;
  gsize most = G_MAXSIZE;
  std::optional<Failure> failure;
};

/* A new output stream that writes into record, which must outlive it. */
GOutputStream *recording_stream (Recording &record);

/* Lowers the file size limit, so a write fails part-way as on a full disk,
 * and restores it and SIGXFSZ however the test ends. */
class FileSizeLimit {
 public:
  explicit FileSizeLimit (rlim_t limit);
  FileSizeLimit (const FileSizeLimit &) = delete;
  FileSizeLimit &operator= (const FileSizeLimit &) = delete;
  ~FileSizeLimit ();
  bool active () const { return active_; }

 private:
  rlimit saved_{};
  void (*previous_handler_) (int) = nullptr;
  bool active_ = false;
};

/* Makes a file refuse writing, or a folder refuse new files while the
 * files in it stay writable, and undoes that however the test ends.
 * Permissions do not stop a superuser, so for one the file or folder is
 * also made immutable, where the file system and the process's
 * capabilities allow it. */
class Unwritable {
 public:
  explicit Unwritable (std::string path);
  Unwritable (const Unwritable &) = delete;
  Unwritable &operator= (const Unwritable &) = delete;
  ~Unwritable ();
  /* Whether writing the file, or making a file in the folder, now fails:
   * tried for real. */
  bool holds () const;

 private:
  std::string path_;
  mode_t mode_ = 0;
  bool folder_ = false;
  bool immutable_ = false;
};

}  // namespace lmtest
