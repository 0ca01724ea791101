/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * The file work that text and binary values share: the task of a load or a
 * save, whose source object is the value (so the task keeps the value alive
 * until it ends), the frame of a load: make sure the path is a regular
 * file, open it, hand the stream to the value family's reader, close, and
 * only then let the family put the result into the value; and the save,
 * which never writes into the file it replaces.
 *
 * A save writes the new contents, in pieces, into a file of its own beside
 * the real target (every symbolic link on the way followed), flushes it to
 * disk and renames it over the target.  Whatever fails before the rename,
 * the temporary file is removed and the target is as it was; a folder
 * where no temporary file can be made, a target that the caller may not
 * write, or one whose owner could not be kept, is refused before anything
 * is written.  GIO's replace would rewrite such targets in place (also a
 * file with a second hard link, and one reached through a symbolic link),
 * and a write failing half-way would then cost the previous contents.  A
 * second hard link keeps the old contents: the new file takes the place of
 * the name saved to.
 *
 * Everything runs on the thread-default main context of the caller of load
 * or save, through GIO's asynchronous calls; the few blocking file-system
 * calls of a save (resolving links, making the temporary file, flushing
 * and renaming it) run in GLib's pool of worker threads, where GIO runs
 * its own.  The library adds no thread.  A task that ends always calls back
 * from that context after the starting call returned: every path reaches
 * its end from a callback, never from within load or save themselves.
 */

#include <gio/gio.h>

#include "Support/check.h"
#include "Support/holders.h"

namespace lm::file {

/* The largest piece a save writes and a load reads at once. */
inline constexpr gsize PIECE = 1024;

/* What a load or save carries from step to step; the task owns it. */
struct Job {
  virtual ~Job () = default;
  String filename; /* a copy of the caller's, held until the task ends */
};

/* A load: the family's reader and what it keeps while reading. */
struct Load : Job {
  /* Reads the opened file; ends with close_and_commit or fail. Owns the
   * task reference it is handed and a reference to the stream. */
  virtual void read (GTask *task, GFileInputStream *stream) = 0;
  /* Puts what was read into the value, after the file closed cleanly. */
  virtual void commit (GObject *value) = 0;
};

template <class J>
J &
job_of (GTask *task)
{
  return *static_cast<J *> (g_task_get_task_data (task));
}

/* Starts loading filename into value; job (taken over) does the reading. */
void load (gpointer value, const char *filename, Load *job, gpointer source_tag, GAsyncReadyCallback callback,
           gpointer user_data);

/* Starts replacing the file with data (taken over). */
void save (gpointer value, const char *filename, GBytes *data, gpointer source_tag, GAsyncReadyCallback callback,
           gpointer user_data);

/* The last steps of a load: close the stream, commit, succeed.  A close
 * error ends the task with that error and the value unchanged. */
void close_and_commit (GTask *task, GInputStream *stream);

/* The error of a load that read fewer bytes than the file held when it
 * was opened: the file changed under it, and what was read is no copy. */
GError *shrank (const char *filename, goffset read, goffset size);

/* Ends the task with error (taken over) and drops the task reference. */
void fail (GTask *task, GError *error);

/* The end of every _finish: the caller has checked its arguments. */
void propagate (GAsyncResult *result, GError **error);

/* Writes all of data (a reference is taken) to stream in pieces of at most
 * PIECE bytes, each through g_output_stream_write_async, advancing by the
 * count each write reports.  The save uses it; it stands on its own so
 * that any stream can be given it. */
void write_pieces_async (GOutputStream *stream, GBytes *data, GAsyncReadyCallback callback, gpointer user_data);
gboolean write_pieces_finish (GOutputStream *stream, GAsyncResult *result, GError **error);

/* Makes the task's main context the thread-default one while the next
 * asynchronous call is started, so every step of a task lands on the
 * context its caller started it from. */
class OnTaskContext {
 public:
  explicit OnTaskContext (GTask *task) : context_ (g_task_get_context (task))
  {
    g_main_context_push_thread_default (context_);
  }
  OnTaskContext (const OnTaskContext &) = delete;
  OnTaskContext &operator= (const OnTaskContext &) = delete;
  ~OnTaskContext () { g_main_context_pop_thread_default (context_); }

 private:
  GMainContext *context_;
};

}  // namespace lm::file

/* The tag of a task is the exported function that started it. */
#define LM_FILE_TAG(start) reinterpret_cast<gpointer> (start)

/* The checks every _finish makes after its self checks: res is the task
 * that start began on this very value. */
#define LM_FILE_CHECK_RESULT(start)                                          \
  LM_RETURN_IF_FAIL (res != NULL);                                           \
  LM_RETURN_IF_FAIL (g_task_is_valid (res, self));                           \
  LM_RETURN_IF_FAIL_TEXT (g_task_get_source_tag (G_TASK (res)) == LM_FILE_TAG (start), \
                          "g_async_result_is_tagged (res, " #start ")")
