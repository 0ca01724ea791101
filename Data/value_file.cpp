/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Loads and saves of values: the task frame, the save beside the target
 * and the piece writer.  See value_file.h for the rules every step keeps.
 */

#include "Data/value_file.h"

#include <fcntl.h>
#include <gio/gunixoutputstream.h>
#include <glib/gstdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>
#include <memory>

namespace lm::file {

namespace {

void
delete_job (gpointer job)
{
  delete static_cast<Job *> (job);
}

GTask *
task_new (gpointer value, const char *filename, Job *job, gpointer source_tag, GAsyncReadyCallback callback,
          gpointer user_data)
{
  job->filename.set (filename);
  GTask *task = g_task_new (value, nullptr, callback, user_data);
  g_task_set_source_tag (task, source_tag);
  g_task_set_task_data (task, job, delete_job);
  return task;
}

void
succeed (GTask *task)
{
  g_task_return_boolean (task, TRUE);
  g_object_unref (task);
}

/* Why a path is no file to load or replace, or null when it is one.  A
 * folder says so, as GIO does when asked to open one. */
GError *
not_a_file (GFileType type, const char *filename)
{
  if (type == G_FILE_TYPE_REGULAR)
    return nullptr;
  g_autofree char *name = g_filename_display_name (filename);
  if (type == G_FILE_TYPE_DIRECTORY)
    return g_error_new (G_IO_ERROR, G_IO_ERROR_IS_DIRECTORY, "“%s” is a folder, not a file", name);
  return g_error_new (G_IO_ERROR, G_IO_ERROR_NOT_REGULAR_FILE, "“%s” is not a regular file", name);
}

/* ---- load ----------------------------------------------------------------- */

/* A path under which nothing exists, also because a component of it is a
 * plain file, is no file to load: the value stays as it is. */
bool
means_no_file (const GError *error)
{
  return g_error_matches (error, G_IO_ERROR, G_IO_ERROR_NOT_FOUND) ||
         g_error_matches (error, G_IO_ERROR, G_IO_ERROR_NOT_DIRECTORY);
}

void
on_opened (GObject *file, GAsyncResult *result, gpointer data)
{
  GTask *task = G_TASK (data);
  GError *error = nullptr;
  GFileInputStream *stream = g_file_read_finish (G_FILE (file), result, &error);
  if (!stream) {
    if (means_no_file (error)) {
      g_error_free (error);
      succeed (task);
    } else {
      fail (task, error);
    }
    return;
  }
  /* What was opened is checked again: the path may have been given to a
   * device since it was looked at. */
  g_autoptr (GFileInfo) info = g_file_input_stream_query_info (stream, G_FILE_ATTRIBUTE_STANDARD_TYPE, nullptr, &error);
  if (!error)
    error = not_a_file (g_file_info_get_file_type (info), job_of<Load> (task).filename.get ());
  if (error) {
    g_object_unref (stream);
    fail (task, error);
    return;
  }
  OnTaskContext scope (task);
  job_of<Load> (task).read (task, stream);
  g_object_unref (stream);
}

/* Only a regular file is opened: a device may never end (a text load of
 * /dev/zero would fill the memory), and opening a pipe waits for a writer
 * that may never come. */
void
on_looked_at (GObject *file, GAsyncResult *result, gpointer data)
{
  GTask *task = G_TASK (data);
  GError *error = nullptr;
  g_autoptr (GFileInfo) info = g_file_query_info_finish (G_FILE (file), result, &error);
  if (!info && means_no_file (error)) {
    g_error_free (error);
    succeed (task);
    return;
  }
  if (info)
    error = not_a_file (g_file_info_get_file_type (info), job_of<Load> (task).filename.get ());
  if (error) {
    fail (task, error);
    return;
  }
  OnTaskContext scope (task);
  g_file_read_async (G_FILE (file), G_PRIORITY_DEFAULT, nullptr, on_opened, task);
}

void
on_input_closed (GObject *stream, GAsyncResult *result, gpointer data)
{
  GTask *task = G_TASK (data);
  GError *error = nullptr;
  if (!g_input_stream_close_finish (G_INPUT_STREAM (stream), result, &error)) {
    fail (task, error);
    return;
  }
  job_of<Load> (task).commit (G_OBJECT (g_task_get_source_object (task)));
  succeed (task);
}

/* ---- save ----------------------------------------------------------------- */

struct Save : Job {
  Bytes data;
  String target;    /* the real file, every link on the way followed */
  String temporary; /* the new contents beside it, until renamed over it */
  int fd = -1;      /* the temporary file's, until it is closed */
  GError *error = nullptr; /* why the save failed, while the temporary goes */
  ~Save () override
  {
    if (fd >= 0)
      g_close (fd, nullptr);
    if (error)
      g_error_free (error);
  }
};

/* A step of a save that blocks, run in a worker thread, and the step that
 * then goes on on the task's context with the error, if any. */
using Blocking = bool (*) (Save &job, GError **error);
using Then = void (*) (GTask *task, GError *error);

struct OffThread {
  GTask *task;
  Blocking step;
  Then then;
};

void
on_off_thread (GObject *, GAsyncResult *result, gpointer data)
{
  auto *call = static_cast<OffThread *> (data);
  GError *error = nullptr;
  g_task_propagate_boolean (G_TASK (result), &error);
  call->then (call->task, error);
}

/* Only the step touches the job while it runs: the task waits for it. */
void
off_thread (GTask *task, Blocking step, Then then)
{
  OnTaskContext scope (task);
  auto *call = new OffThread{task, step, then};
  GTask *worker = g_task_new (nullptr, nullptr, on_off_thread, call);
  g_task_set_task_data (worker, call, [] (gpointer c) { delete static_cast<OffThread *> (c); });
  g_task_run_in_thread (worker, [] (GTask *worker, gpointer, gpointer data, GCancellable *) {
    auto *call = static_cast<OffThread *> (data);
    GError *error = nullptr;
    if (call->step (job_of<Save> (call->task), &error))
      g_task_return_boolean (worker, TRUE);
    else
      g_task_return_error (worker, error);
  });
  g_object_unref (worker);
}

/* Fails a step with the system's error number, as GIO words its own. */
bool
refuse (GError **error, int number, const char *filename, const char *why = "")
{
  g_autofree char *name = g_filename_display_name (filename);
  g_set_error (error, G_IO_ERROR, g_io_error_from_errno (number), "Cannot save “%s”%s: %s", name, why,
               g_strerror (number));
  return false;
}

/* The file a path names, every symbolic link on the way followed.  Each
 * folder is resolved by the system before a link's target is joined to
 * it, so that ".." in a target means what it means to the system. */
char *
resolve (const char *filename, GError **error)
{
  /* The system's own limit on the links in one path. */
  constexpr int most_links = 40;
  g_autofree char *path = g_strdup (filename);
  for (int links = 0;; links++) {
    g_autofree char *parent = g_path_get_dirname (path);
    g_autofree char *name = g_path_get_basename (path);
    std::unique_ptr<char, decltype (&free)> folder (realpath (parent, nullptr), free);
    if (!folder) {
      refuse (error, errno, filename);
      return nullptr;
    }
    g_autofree char *file = g_build_filename (folder.get (), name, nullptr);
    g_autofree char *link = g_file_read_link (file, nullptr);
    if (!link)
      return g_steal_pointer (&file);
    if (links == most_links) {
      refuse (error, ELOOP, filename);
      return nullptr;
    }
    g_free (path);
    path = g_path_is_absolute (link) ? g_steal_pointer (&link) : g_build_filename (folder.get (), link, nullptr);
  }
}

/* Closes and removes the temporary file: the target was never touched. */
void
discard (Save &job)
{
  if (job.fd >= 0)
    g_close (std::exchange (job.fd, -1), nullptr);
  if (!job.temporary.is_null ())
    g_unlink (job.temporary.get ());
  job.temporary.take (nullptr);
}

/* The replacement keeps the owner, group and permissions of the file it
 * replaces; where it cannot, the save is refused rather than hand the
 * file to someone else. */
bool
keep_owner_and_mode (int fd, const struct stat &replaced)
{
  struct stat made {};
  if (fstat (fd, &made) != 0)
    return false;
  if ((made.st_uid != replaced.st_uid || made.st_gid != replaced.st_gid) &&
      fchown (fd, replaced.st_uid, replaced.st_gid) != 0)
    return false;
  return fchmod (fd, replaced.st_mode & 07777) == 0;
}

/* Finds the real target and makes the temporary file beside it, in the
 * same folder, so that the rename that ends the save cannot cross file
 * systems.  Everything that would keep the save from ending in that
 * rename is found here, before a byte is written. */
bool
prepare (Save &job, GError **error)
{
  const char *filename = job.filename.get ();
  job.target.take (resolve (filename, error));
  if (job.target.is_null ())
    return false;
  struct stat replaced {};
  bool exists = lstat (job.target.get (), &replaced) == 0;
  if (!exists && errno != ENOENT)
    return refuse (error, errno, filename);
  if (exists) {
    GFileType type = S_ISREG (replaced.st_mode)   ? G_FILE_TYPE_REGULAR
                     : S_ISDIR (replaced.st_mode) ? G_FILE_TYPE_DIRECTORY
                                                  : G_FILE_TYPE_SPECIAL;
    if (GError *refusal = not_a_file (type, filename)) {
      g_propagate_error (error, refusal);
      return false;
    }
    /* The rename would replace a file the caller may not write. */
    if (faccessat (AT_FDCWD, job.target.get (), W_OK, AT_EACCESS) != 0)
      return refuse (error, errno, filename);
  }
  g_autofree char *folder = g_path_get_dirname (job.target.get ());
  g_autofree char *temporary = g_build_filename (folder, ".libmodel-save-XXXXXX", nullptr);
  /* Private until it has the replaced file's permissions; a new file gets
   * what the process's umask leaves, as a created file does. */
  job.fd = g_mkstemp_full (temporary, O_WRONLY | O_CLOEXEC, exists ? 0600 : 0666);
  if (job.fd < 0)
    return refuse (error, errno, filename, ": no file can be made beside it to write the new contents to");
  job.temporary.take (g_steal_pointer (&temporary));
  if (exists && !keep_owner_and_mode (job.fd, replaced)) {
    int number = errno;
    discard (job);
    return refuse (error, number, filename, " without changing its owner, group or permissions");
  }
  return true;
}

/* Flushed to disk before the rename: otherwise a crash soon after could
 * leave the target empty, and some file systems report a full disk only
 * when the data reaches it. */
bool
put_in_place (Save &job, GError **error)
{
  const char *filename = job.filename.get ();
  if (g_fsync (job.fd) != 0) {
    int number = errno;
    discard (job);
    return refuse (error, number, filename);
  }
  if (!g_close (std::exchange (job.fd, -1), nullptr)) {
    int number = errno;
    discard (job);
    return refuse (error, number, filename);
  }
  if (g_rename (job.temporary.get (), job.target.get ()) != 0) {
    int number = errno;
    discard (job);
    return refuse (error, number, filename);
  }
  job.temporary.take (nullptr);
  return true;
}

bool
discard_step (Save &job, GError **)
{
  discard (job);
  return true;
}

void
on_put_in_place (GTask *task, GError *error)
{
  if (error)
    fail (task, error);
  else
    succeed (task);
}

void
on_discarded (GTask *task, GError *)
{
  fail (task, std::exchange (job_of<Save> (task).error, nullptr));
}

void
on_written (GObject *stream, GAsyncResult *result, gpointer data)
{
  GTask *task = G_TASK (data);
  Save &job = job_of<Save> (task);
  if (write_pieces_finish (G_OUTPUT_STREAM (stream), result, &job.error))
    off_thread (task, put_in_place, on_put_in_place);
  else
    off_thread (task, discard_step, on_discarded);
}

void
on_prepared (GTask *task, GError *error)
{
  if (error) {
    fail (task, error);
    return;
  }
  Save &job = job_of<Save> (task);
  /* The descriptor stays the save's: the stream only writes through it. */
  g_autoptr (GOutputStream) stream = g_unix_output_stream_new (job.fd, FALSE);
  OnTaskContext scope (task);
  write_pieces_async (stream, job.data.get (), on_written, task);
}

/* ---- the piece writer ------------------------------------------------------ */

struct Pieces {
  Bytes data;
  gsize written = 0;
};

void write_next_piece (GTask *task);

void
on_piece_written (GObject *stream, GAsyncResult *result, gpointer data)
{
  GTask *task = G_TASK (data);
  GError *error = nullptr;
  gssize count = g_output_stream_write_finish (G_OUTPUT_STREAM (stream), result, &error);
  if (count < 0) {
    fail (task, error);
    return;
  }
  /* A stream that takes nothing would have the loop ask it forever. */
  if (count == 0) {
    fail (task, g_error_new_literal (G_IO_ERROR, G_IO_ERROR_FAILED, "The stream accepted none of the bytes written"));
    return;
  }
  static_cast<Pieces *> (g_task_get_task_data (task))->written += gsize (count);
  OnTaskContext scope (task);
  write_next_piece (task);
}

void
write_next_piece (GTask *task)
{
  auto *pieces = static_cast<Pieces *> (g_task_get_task_data (task));
  gsize size = 0;
  auto *bytes = static_cast<const guint8 *> (g_bytes_get_data (pieces->data.get (), &size));
  if (pieces->written >= size) {
    succeed (task);
    return;
  }
  gsize count = pieces->written + PIECE < size ? PIECE : size - pieces->written;
  g_output_stream_write_async (G_OUTPUT_STREAM (g_task_get_source_object (task)), bytes + pieces->written, count,
                               G_PRIORITY_DEFAULT, nullptr, on_piece_written, task);
}

}  // namespace

void
load (gpointer value, const char *filename, Load *job, gpointer source_tag, GAsyncReadyCallback callback,
      gpointer user_data)
{
  GTask *task = task_new (value, filename, job, source_tag, callback, user_data);
  g_autoptr (GFile) file = g_file_new_for_path (filename);
  g_file_query_info_async (file, G_FILE_ATTRIBUTE_STANDARD_TYPE, G_FILE_QUERY_INFO_NONE, G_PRIORITY_DEFAULT, nullptr,
                           on_looked_at, task);
}

void
close_and_commit (GTask *task, GInputStream *stream)
{
  OnTaskContext scope (task);
  g_input_stream_close_async (stream, G_PRIORITY_DEFAULT, nullptr, on_input_closed, task);
}

GError *
shrank (const char *filename, goffset read, goffset size)
{
  g_autofree char *name = g_filename_display_name (filename);
  return g_error_new (G_IO_ERROR, G_IO_ERROR_PARTIAL_INPUT,
                      "“%s” changed while it was read: it ended after %" G_GINT64_FORMAT " of its %" G_GINT64_FORMAT
                      " bytes",
                      name, gint64 (read), gint64 (size));
}

void
save (gpointer value, const char *filename, GBytes *data, gpointer source_tag, GAsyncReadyCallback callback,
      gpointer user_data)
{
  auto *job = new Save ();
  job->data.take (data);
  GTask *task = task_new (value, filename, job, source_tag, callback, user_data);
  off_thread (task, prepare, on_prepared);
}

void
fail (GTask *task, GError *error)
{
  g_task_return_error (task, error);
  g_object_unref (task);
}

void
propagate (GAsyncResult *result, GError **error)
{
  g_task_propagate_boolean (G_TASK (result), error);
}

void
write_pieces_async (GOutputStream *stream, GBytes *data, GAsyncReadyCallback callback, gpointer user_data)
{
  GTask *task = g_task_new (stream, nullptr, callback, user_data);
  g_task_set_source_tag (task, reinterpret_cast<gpointer> (write_pieces_async));
  auto *pieces = new Pieces ();
  pieces->data.assign (data);
  g_task_set_task_data (task, pieces, [] (gpointer p) { delete static_cast<Pieces *> (p); });
  write_next_piece (task);
}

gboolean
write_pieces_finish (GOutputStream *, GAsyncResult *result, GError **error)
{
  return g_task_propagate_boolean (G_TASK (result), error);
}

}  // namespace lm::file
