/* SPDX-License-Identifier: LGPL-2.1-or-later */
#include "tests/files.h"

#include <fcntl.h>
#include <glib/gstdio.h>
#include <linux/fs.h>
#include <signal.h>
#include <sys/ioctl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <algorithm>

namespace {

struct LmtestRecorder {
  GOutputStream parent_instance;
  lmtest::Recording *record;
};
struct LmtestRecorderClass {
  GOutputStreamClass parent_class;
};
G_DEFINE_TYPE (LmtestRecorder, lmtest_recorder, G_TYPE_OUTPUT_STREAM)

static void
lmtest_recorder_class_init (LmtestRecorderClass *klass)
{
  G_OUTPUT_STREAM_CLASS (klass)->write_fn = [] (GOutputStream *stream, const void *buffer, gsize count, GCancellable *,
                                                GError **error) -> gssize {
    lmtest::Recording *record = reinterpret_cast<LmtestRecorder *> (stream)->record;
    record->requests.push_back (count);
    if (record->failure) {
      g_set_error_literal (error, G_IO_ERROR, record->failure->code, record->failure->message);
      return -1;
    }
    gsize taken = std::min (count, record->most);
    record->received.append (static_cast<const char *> (buffer), taken);
    return gssize (taken);
  };
}

static void
lmtest_recorder_init (LmtestRecorder *)
{
}

}  // namespace

namespace lmtest {

void
on_done (GObject *source, GAsyncResult *result, gpointer data)
{
  auto *done = static_cast<Completion *> (data);
  done->calls++;
  done->source = source;
  done->result = G_ASYNC_RESULT (g_object_ref (result));
  /* A callback made outside any dispatch has no source, so no context:
   * recorded as none, which fails wait's check where a fixture makes it. */
  GSource *current = g_main_current_source ();
  done->context = current ? g_source_get_context (current) : nullptr;
}

Error
error_of (GError *error)
{
  return Error (error, [] (GError *e) {
    if (e)
      g_error_free (e);
  });
}

void
Files::SetUp ()
{
  Test::SetUp ();
  context_ = g_main_context_new ();
  g_main_context_push_thread_default (context_);
  dir_ = g_dir_make_tmp (layout_.folder, nullptr);
  ASSERT_NE (nullptr, dir_);
}

void
Files::TearDown ()
{
  drain ();
  if (layout_.leftovers) {
    for (const std::string &name : *layout_.leftovers)
      g_remove (path (name.c_str ()).c_str ());
    EXPECT_EQ (0, g_rmdir (dir_)) << "a stray file was left behind";
  } else {
    for (const std::string &name : names ())
      g_remove (path (name.c_str ()).c_str ());
    g_rmdir (dir_);
  }
  g_free (dir_);
  g_main_context_pop_thread_default (context_);
  g_main_context_unref (context_);
  Test::TearDown ();
}

void
Files::put (const char *name, const std::string &content)
{
  ASSERT_TRUE (g_file_set_contents (path (name).c_str (), content.data (), gssize (content.size ()), nullptr));
}

std::string
Files::contents (const char *name)
{
  g_autofree gchar *data = nullptr;
  gsize size = 0;
  return g_file_get_contents (path (name).c_str (), &data, &size, nullptr) ? std::string (data, size) : "<unreadable>";
}

std::set<std::string>
Files::names () const
{
  std::set<std::string> out;
  GDir *dir = g_dir_open (dir_, 0, nullptr);
  while (const gchar *name = dir ? g_dir_read_name (dir) : nullptr)
    out.insert (name);
  if (dir)
    g_dir_close (dir);
  return out;
}

void
Files::wait (Completion &done)
{
  bool expired = false;
  g_autoptr (GSource) timeout = g_timeout_source_new_seconds (10);
  g_source_set_callback (
      timeout, [] (gpointer flag) { return *static_cast<bool *> (flag) = true, G_SOURCE_REMOVE; }, &expired, nullptr);
  g_source_attach (timeout, context_);
  while (!done.result && !expired)
    g_main_context_iteration (context_, TRUE);
  g_source_destroy (timeout);
  ASSERT_NE (nullptr, done.result) << "the task never called back";
  EXPECT_EQ (1, done.calls);
  if (layout_.checks_context) {
    EXPECT_EQ (context_, done.context) << "called back from another context";
  }
}

void
Files::drain ()
{
  while (g_main_context_iteration (context_, FALSE)) {
  }
}

GOutputStream *
recording_stream (Recording &record)
{
  GOutputStream *stream = G_OUTPUT_STREAM (g_object_new (lmtest_recorder_get_type (), nullptr));
  reinterpret_cast<LmtestRecorder *> (stream)->record = &record;
  return stream;
}

FileSizeLimit::FileSizeLimit (rlim_t limit)
{
  getrlimit (RLIMIT_FSIZE, &saved_);
  previous_handler_ = signal (SIGXFSZ, SIG_IGN);
  rlimit lowered = saved_;
  lowered.rlim_cur = limit;
  active_ = setrlimit (RLIMIT_FSIZE, &lowered) == 0;
}

FileSizeLimit::~FileSizeLimit ()
{
  setrlimit (RLIMIT_FSIZE, &saved_);
  signal (SIGXFSZ, previous_handler_);
}

namespace {

/* Sets or clears the immutable attribute; false where the file system or
 * the process's capabilities refuse it. */
bool
set_immutable (const std::string &path, bool immutable)
{
  int fd = g_open (path.c_str (), O_RDONLY | O_CLOEXEC, 0);
  if (fd < 0)
    return false;
  int flags = 0;
  bool done = ioctl (fd, FS_IOC_GETFLAGS, &flags) == 0;
  if (done) {
    flags = immutable ? flags | FS_IMMUTABLE_FL : flags & ~FS_IMMUTABLE_FL;
    done = ioctl (fd, FS_IOC_SETFLAGS, &flags) == 0;
  }
  close (fd);
  return done;
}

}  // namespace

Unwritable::Unwritable (std::string path) : path_ (std::move (path))
{
  GStatBuf status;
  if (g_stat (path_.c_str (), &status) != 0)
    return;
  mode_ = status.st_mode & 07777;
  folder_ = S_ISDIR (status.st_mode);
  g_chmod (path_.c_str (), mode_ & ~0222);
  if (geteuid () == 0)
    immutable_ = set_immutable (path_, true);
}

Unwritable::~Unwritable ()
{
  if (immutable_)
    set_immutable (path_, false);
  if (mode_)
    g_chmod (path_.c_str (), mode_);
}

bool
Unwritable::holds () const
{
  std::string probe = folder_ ? path_ + "/probe" : path_;
  int fd = g_open (probe.c_str (), folder_ ? O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC : O_WRONLY | O_CLOEXEC, 0600);
  if (fd < 0)
    return true;
  close (fd);
  if (folder_)
    g_remove (probe.c_str ());
  return false;
}

}  // namespace lmtest
