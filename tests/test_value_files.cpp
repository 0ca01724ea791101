/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Text and binary value files that meet trouble: loads of what is no
 * regular file, and files that shrink while they are read.  Both families
 * go through every case: they share the file work, and a fault in it loses
 * either's data.
 */

#include "tests/files.h"

#include <fcntl.h>
#include <glib/gstdio.h>
#include <unistd.h>

#include <fstream>
#include <string>
#include <vector>

using lmtest::Completion;
using lmtest::Error;
using lmtest::error_of;
using lmtest::on_done;

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
    "target", "link", "fifo", "zero", "big",
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
