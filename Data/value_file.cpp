/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Loads and saves of values: the task frame, the replacing save and the
 * piece writer.  See value_file.h for the rules every step keeps.
 */

#include "Data/value_file.h"

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

/* Why a path is no file to load, or null when it is one.  A
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
  Ref<GOutputStream> stream;
  GError *write_error = nullptr;
  ~Save () override
  {
    if (write_error)
      g_error_free (write_error);
  }
};

void
on_output_closed (GObject *stream, GAsyncResult *result, gpointer data)
{
  GTask *task = G_TASK (data);
  GError *error = nullptr;
  if (g_output_stream_close_finish (G_OUTPUT_STREAM (stream), result, &error))
    succeed (task);
  else
    fail (task, error);
}

/* A replacement that failed half-way is closed cancelled: GIO then drops
 * the temporary file instead of moving it over the previous one (which a
 * plain close, or the stream's finalization, would do). */
void
on_discarded (GObject *stream, GAsyncResult *result, gpointer data)
{
  GTask *task = G_TASK (data);
  g_output_stream_close_finish (G_OUTPUT_STREAM (stream), result, nullptr);
  fail (task, std::exchange (job_of<Save> (task).write_error, nullptr));
}

void
on_written (GObject *stream, GAsyncResult *result, gpointer data)
{
  GTask *task = G_TASK (data);
  Save &job = job_of<Save> (task);
  OnTaskContext scope (task);
  if (!write_pieces_finish (G_OUTPUT_STREAM (stream), result, &job.write_error)) {
    g_autoptr (GCancellable) discard = g_cancellable_new ();
    g_cancellable_cancel (discard);
    g_output_stream_close_async (G_OUTPUT_STREAM (stream), G_PRIORITY_DEFAULT, discard, on_discarded, task);
    return;
  }
  g_output_stream_close_async (G_OUTPUT_STREAM (stream), G_PRIORITY_DEFAULT, nullptr, on_output_closed, task);
}

void
on_replaced (GObject *file, GAsyncResult *result, gpointer data)
{
  GTask *task = G_TASK (data);
  GError *error = nullptr;
  GFileOutputStream *stream = g_file_replace_finish (G_FILE (file), result, &error);
  if (!stream) {
    fail (task, error);
    return;
  }
  Save &job = job_of<Save> (task);
  job.stream.take (G_OUTPUT_STREAM (stream));
  OnTaskContext scope (task);
  write_pieces_async (job.stream.get (), job.data.get (), on_written, task);
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
  g_autoptr (GFile) file = g_file_new_for_path (filename);
  g_file_replace_async (file, nullptr, FALSE, G_FILE_CREATE_NONE, G_PRIORITY_DEFAULT, nullptr, on_replaced, task);
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
