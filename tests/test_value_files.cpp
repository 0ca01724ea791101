/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Text and binary value files that meet trouble: saves that fail part-way
 * in each layout a target can have, loads of what is no regular file, and
 * files that shrink while they are read.  Both families go through every
 * case: they share the file work, and a fault in it loses either's data.
 */

#include "tests/files.h"

#include <fcntl.h>
#include <glib/gstdio.h>
#include <sys/stat.h>
#include <unistd.h>

#include <fstream>
#include <optional>
#include <string>
#include <tuple>
#include <vector>

using lmtest::Completion;
using lmtest::Error;
using lmtest::error_of;
using lmtest::FileSizeLimit;
using lmtest::on_done;
using lmtest::Unwritable;
using lmtest::Watch;

namespace {

using Start = void (*) (gpointer value, const char *filename, GAsyncReadyCallback callback, gpointer data);
using Finish = void (*) (gpointer value, GAsyncResult *result, GError **error);

/* A value family as the file work sees it. */
struct Family {
  const char *name;
  gpointer (*make) (const std::string &contents);
  std::string (*held) (gpointer value);
  Start load, save;
  Finish load_finish, save_finish;
};

/* The family's own functions, called with the family's own type. */
template <class V, void (*start) (V *, const gchar *, GAsyncReadyCallback, gpointer)>
void
start_as (gpointer value, const char *filename, GAsyncReadyCallback callback, gpointer data)
{
  start (static_cast<V *> (value), filename, callback, data);
}

template <class V, void (*finish) (V *, GAsyncResult *, GError **)>
void
finish_as (gpointer value, GAsyncResult *result, GError **error)
{
  finish (static_cast<V *> (value), result, error);
}

#define FAMILY_FILES(V, prefix)                                                      \
  start_as<V, prefix##_load>, start_as<V, prefix##_save>, finish_as<V, prefix##_load_finish>, \
      finish_as<V, prefix##_save_finish>

const Family text_family = {
    "text",
    [] (const std::string &contents) -> gpointer { return tavrel_model_data_value_string_new (contents.c_str ()); },
    [] (gpointer value) -> std::string {
      const gchar *text = tavrel_model_data_value_string_get_itsvalue (TAVREL_MODEL_DATA_VALUE_STRING (value));
      return text ? text : "<null>";
    },
    FAMILY_FILES (TavrelModelDataValueString, tavrel_model_data_value_string),
};

const Family binary_family = {
    "binary",
    [] (const std::string &contents) -> gpointer {
      return tavrel_model_data_value_blob_new (reinterpret_cast<const guint8 *> (contents.data ()), gint (contents.size ()));
    },
    [] (gpointer value) -> std::string {
      gsize size = 0;
      GBytes *bytes = tavrel_model_data_value_binary_get_itsvalue (TAVREL_MODEL_DATA_VALUE_BINARY (value));
      auto *data = static_cast<const char *> (g_bytes_get_data (bytes, &size));
      return std::string (data ? data : "", size);
    },
    FAMILY_FILES (TavrelModelDataValueBinary, tavrel_model_data_value_binary),
};

const Family *const families[] = {&text_family, &binary_family};

std::string
letters (size_t size)
{
  std::string out;
  for (size_t i = 0; i < size; i++)
    out += (i % 64 == 63) ? '\n' : char ('a' + i % 26);
  return out;
}

/* Every name a case may leave in its folder, removed in this order. */
const std::vector<std::string> every_name = {
    "target", "twin", "link", "sub/real", "sub", "locked/target", "locked", "fifo", "zero", "big",
};

class ValueFiles : public lmtest::Files {
 protected:
  ValueFiles () : Files ({.folder = "libmodel-files-XXXXXX", .leftovers = every_name}) {}

  Error load (const Family &family, gpointer value, const std::string &where)
  {
    return run (family.load, family.load_finish, G_OBJECT (value), where);
  }

  Error save (const Family &family, gpointer value, const std::string &where)
  {
    return run (family.save, family.save_finish, G_OBJECT (value), where);
  }

  std::string link_target (const char *name)
  {
    g_autofree gchar *target = g_file_read_link (path (name).c_str (), nullptr);
    return target ? target : "<no link>";
  }

  /* The position of the descriptor open on name, -1 while none is. */
  off_t read_position (const std::string &name);
};

off_t
ValueFiles::read_position (const std::string &name)
{
  GDir *fds = g_dir_open ("/proc/self/fd", 0, nullptr);
  off_t position = -1;
  while (const gchar *fd = fds ? g_dir_read_name (fds) : nullptr) {
    g_autofree gchar *opened = g_file_read_link ((std::string ("/proc/self/fd/") + fd).c_str (), nullptr);
    if (!opened || path (name.c_str ()) != opened)
      continue;
    std::ifstream info (std::string ("/proc/self/fdinfo/") + fd);
    std::string field;
    while (info >> field)
      if (field == "pos:" && info >> position)
        break;
  }
  if (fds)
    g_dir_close (fds);
  return position;
}

/* ---- saves ----------------------------------------------------------------- */

/* Where a target lives, and what a save must keep of that layout: the
 * caller saves to saved_as, which is real itself or a symbolic link to it. */
struct Target {
  const char *name;
  const char *saved_as, *real;
  const char *folder; /* made first when set */
  bool twin;          /* real has a second hard link, "twin" */
  /* Made to refuse writing, when set: a save that would succeed is then
   * refused rather than risk the file or replace one it may not write. */
  const char *unwritable;
};

const std::string old_contents = "previous contents, thirty byte";

/* GIO rewrites in place a file with a second name, one reached through a
 * symbolic link (here into another folder, where the new contents must be
 * written beside the real file), and a writable file in a folder where no
 * temporary file can be made.  A file that may not be written must stay
 * so, even where a rename over it would be allowed. */
const Target targets[] = {
    {"plain", "target", "target", nullptr, false, nullptr},
    {"hard_link", "target", "target", nullptr, true, nullptr},
    {"symbolic_link", "link", "sub/real", "sub", false, nullptr},
    {"unwritable_folder", "locked/target", "locked/target", "locked", false, "locked"},
    {"unwritable_file", "target", "target", nullptr, false, "target"},
};

class SaveLayouts : public ValueFiles, public testing::WithParamInterface<std::tuple<const Family *, Target>> {};

TEST_P (SaveLayouts, TheFileHoldsTheOldContentsOrTheNewNeverAMix)
{
  const Family &family = *std::get<0> (GetParam ());
  const Target &target = std::get<1> (GetParam ());
  if (target.folder) {
    ASSERT_EQ (0, g_mkdir (path (target.folder).c_str (), 0755));
  }
  put (target.real, old_contents);
  ASSERT_EQ (0, g_chmod (path (target.real).c_str (), 0640));
  if (target.twin) {
    ASSERT_EQ (0, link (path (target.real).c_str (), path ("twin").c_str ()));
  }
  if (std::string (target.saved_as) != target.real) {
    ASSERT_EQ (0, symlink (target.real, path (target.saved_as).c_str ()));
  }
  std::optional<Unwritable> unwritable;
  if (target.unwritable) {
    unwritable.emplace (path (target.unwritable));
    if (!unwritable->holds ())
      GTEST_SKIP () << "nothing can be made unwritable here: a superuser without the immutable attribute";
  }
  auto mode = [&] {
    GStatBuf status;
    return g_stat (path (target.real).c_str (), &status) == 0 ? status.st_mode & 07777 : 0;
  };
  const unsigned old_mode = mode ();
  auto keeps_the_layout = [&] {
    if (target.twin) {
      EXPECT_EQ (old_contents, contents ("twin"));
    }
    if (std::string (target.saved_as) != target.real) {
      EXPECT_EQ (target.real, link_target (target.saved_as)) << "the link itself was replaced";
    }
    EXPECT_EQ (old_mode, mode ()) << "the file lost its permissions";
  };
  const std::string saved = letters (5000);

  /* A write failing part-way, as on a full disk: the size limit lets the
   * first 1,500 bytes through.  The caller drops its reference meanwhile;
   * the task keeps the value until it ends. */
  gpointer value = family.make (saved);
  Watch watch (value);
  Completion failed;
  {
    FileSizeLimit limit (1500);
    if (!limit.active ()) {
      g_object_unref (value);
      GTEST_SKIP () << "the file size limit cannot be lowered here";
    }
    family.save (value, path (target.saved_as).c_str (), on_done, &failed);
    g_object_unref (value);
    wait (failed);
  }
  ASSERT_FALSE (watch.finalized ()) << "the task let the value go";
  GError *error = nullptr;
  family.save_finish (failed.source, failed.result, &error);
  Error failure = error_of (error);
  ASSERT_NE (nullptr, failure.get ()) << "a save that could not write everything succeeded";
  EXPECT_EQ (G_IO_ERROR, failure->domain) << failure->message;
  g_clear_object (&failed.result);
  drain ();
  EXPECT_TRUE (watch.finalized ());
  EXPECT_EQ (old_contents, contents (target.real));
  keeps_the_layout ();

  /* With room to write: the whole new contents, or a refusal that leaves
   * the file alone. */
  value = family.make (saved);
  Error outcome = save (family, value, path (target.saved_as));
  g_object_unref (value);
  if (target.unwritable) {
    ASSERT_NE (nullptr, outcome.get ());
    EXPECT_TRUE (g_error_matches (outcome.get (), G_IO_ERROR, G_IO_ERROR_PERMISSION_DENIED)) << outcome->message;
    EXPECT_EQ (old_contents, contents (target.real));
  } else {
    EXPECT_EQ (nullptr, outcome.get ()) << outcome->message;
    EXPECT_EQ (saved, contents (target.real));
  }
  /* A second hard link keeps the old contents: the new ones take the
   * place of the name saved to. */
  keeps_the_layout ();
  /* The fixture fails the test if a temporary file was left anywhere. */
}

INSTANTIATE_TEST_SUITE_P (ValueFiles, SaveLayouts, testing::Combine (testing::ValuesIn (families), testing::ValuesIn (targets)),
                          [] (const auto &info) {
                            return std::string (std::get<0> (info.param)->name) + "_" + std::get<1> (info.param).name;
                          });

/* Links are followed as the system follows them: one that points nowhere
 * makes its target, a loop of them is no file. */
TEST_F (ValueFiles, SaveThroughALinkThatPointsNowhere)
{
  ASSERT_EQ (0, g_mkdir (path ("sub").c_str (), 0755));
  ASSERT_EQ (0, symlink ("sub/real", path ("link").c_str ()));
  ASSERT_EQ (0, symlink ("twin", path ("target").c_str ()));
  ASSERT_EQ (0, symlink ("target", path ("twin").c_str ()));
  g_autoptr (TavrelModelDataValueString) value = tavrel_model_data_value_string_new ("made through the link");
  Error made = save (text_family, value, path ("link"));
  EXPECT_EQ (nullptr, made.get ()) << made->message;
  EXPECT_EQ ("made through the link", contents ("sub/real"));
  EXPECT_EQ ("sub/real", link_target ("link"));
  Error loop = save (text_family, value, path ("target"));
  ASSERT_NE (nullptr, loop.get ());
  EXPECT_TRUE (g_error_matches (loop.get (), G_IO_ERROR, G_IO_ERROR_TOO_MANY_LINKS)) << loop->message;
}

/* ---- loads ------------------------------------------------------------------ */

TEST_F (ValueFiles, OnlyRegularFilesLoad)
{
  ASSERT_EQ (0, mkfifo (path ("fifo").c_str (), 0600));
  ASSERT_EQ (0, symlink ("/dev/zero", path ("zero").c_str ()));
  put ("target", "through a link\n");
  ASSERT_EQ (0, symlink ("target", path ("link").c_str ()));
  for (const Family *family : families) {
    SCOPED_TRACE (family->name);
    gpointer value = family->make ("kept");
    /* A device without end, a pipe no one writes to (opening it would wait
     * for a writer), and a link to a device. */
    for (const std::string &where : {std::string ("/dev/zero"), path ("fifo"), path ("zero")}) {
      Error error = load (*family, value, where);
      ASSERT_NE (nullptr, error.get ()) << where;
      EXPECT_TRUE (g_error_matches (error.get (), G_IO_ERROR, G_IO_ERROR_NOT_REGULAR_FILE)) << where << ": "
                                                                                              << error->message;
      EXPECT_EQ ("kept", family->held (value));
    }
    Error folder = load (*family, value, dir_);
    ASSERT_NE (nullptr, folder.get ());
    EXPECT_TRUE (g_error_matches (folder.get (), G_IO_ERROR, G_IO_ERROR_IS_DIRECTORY)) << folder->message;
    EXPECT_EQ ("kept", family->held (value));

    /* A link to a regular file is that file. */
    Error linked = load (*family, value, path ("link"));
    EXPECT_EQ (nullptr, linked.get ()) << linked->message;
    EXPECT_EQ ("through a link\n", family->held (value));
    g_object_unref (value);
  }
  /* The kernel's own files report a size of 0 and refuse a seek from their
   * end; they read as text all the same. */
  gpointer status = text_family.make ("kept");
  Error error = load (text_family, status, "/proc/self/status");
  EXPECT_EQ (nullptr, error.get ()) << error->message;
  EXPECT_EQ ("Name:", text_family.held (status).substr (0, 5));
  g_object_unref (status);
}

TEST_F (ValueFiles, AFileThatShrinksWhileItLoadsFails)
{
  const std::string big = letters (4 << 20);
  for (const Family *family : families) {
    SCOPED_TRACE (family->name);
    put ("big", big);
    gpointer value = family->make ("kept");
    Completion done;
    family->load (value, path ("big").c_str (), on_done, &done);
    /* Once reading has begun, the size was taken: cut the file short. */
    while (!done.result && read_position ("big") <= 0)
      g_main_context_iteration (context_, TRUE);
    ASSERT_EQ (nullptr, done.result) << "the load ended before the file could be cut";
    ASSERT_EQ (0, truncate (path ("big").c_str (), 10));
    wait (done);
    GError *error = nullptr;
    family->load_finish (value, done.result, &error);
    Error failure = error_of (error);
    ASSERT_NE (nullptr, failure.get ()) << "a partial read succeeded with " << family->held (value).size () << " bytes";
    EXPECT_TRUE (g_error_matches (failure.get (), G_IO_ERROR, G_IO_ERROR_PARTIAL_INPUT)) << failure->message;
    EXPECT_EQ ("kept", family->held (value));
    g_object_unref (value);
  }
}

}  // namespace
