/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * The text and binary loads of a file of fuzzed contents.  The low bit of
 * the first byte picks the load; the rest is the file.  A binary load must
 * give the file's bytes; a text load its lines, each cut at its first zero
 * byte and ended with a line feed.
 */

#include "fuzz/fuzz.h"

#include <stdio.h>
#include <stdlib.h>
#include <string.h>

#include <glib/gstdio.h>

namespace {

std::string folder;

void
remove_folder ()
{
  g_autofree gchar *path = g_build_filename (folder.c_str (), "input", nullptr);
  g_remove (path);
  g_rmdir (folder.c_str ());
}

const std::string &
input_path ()
{
  static std::string path;
  if (path.empty ()) {
    g_autofree gchar *made = g_dir_make_tmp ("lmfuzz-files-XXXXXX", nullptr);
    if (!made)
      lmfuzz::fail ("no temporary folder", "");
    folder = made;
    atexit (remove_folder);
    g_autofree gchar *file = g_build_filename (made, "input", nullptr);
    path = file;
  }
  return path;
}

void
on_done (GObject *, GAsyncResult *result, gpointer data)
{
  *static_cast<GAsyncResult **> (data) = G_ASYNC_RESULT (g_object_ref (result));
}

std::string
expected_text (const std::string &contents)
{
  std::string text;
  size_t start = 0;
  while (start < contents.size ()) {
    size_t end = contents.find ('\n', start);
    if (end == std::string::npos)
      end = contents.size ();
    std::string line = contents.substr (start, end - start);
    text += line.substr (0, line.find ('\0'));
    text += '\n';
    start = end + 1;
  }
  return text;
}

}  // namespace

extern "C" int
LLVMFuzzerTestOneInput (const uint8_t *data, size_t size)
{
  lmfuzz::init ();
  if (size < 1)
    return 0;
  bool binary = data[0] & 1;
  std::string contents = lmfuzz::text_of (data + 1, size - 1);
  const std::string &path = input_path ();
  /* Not g_file_set_contents: it syncs the file to disk, a hundred times
   * slower than the load it feeds. */
  FILE *file = fopen (path.c_str (), "wb");
  if (!file || fwrite (contents.data (), 1, contents.size (), file) != contents.size () || fclose (file) != 0)
    lmfuzz::fail ("could not write the input file", path);

  GMainContext *context = g_main_context_new ();
  g_main_context_push_thread_default (context);
  GAsyncResult *result = nullptr;
  GError *error = nullptr;
  std::string loaded;
  if (binary) {
    TavrelModelDataValueBinary *value = tavrel_model_data_value_binary_new (nullptr, 0);
    tavrel_model_data_value_binary_load (value, path.c_str (), on_done, &result);
    while (!result)
      g_main_context_iteration (context, TRUE);
    tavrel_model_data_value_binary_load_finish (value, result, &error);
    gsize length = 0;
    const void *bytes = g_bytes_get_data (tavrel_model_data_value_binary_get_itsvalue (value), &length);
    loaded.assign (static_cast<const char *> (bytes), length);
    g_object_unref (value);
  } else {
    TavrelModelDataValueString *value = tavrel_model_data_value_string_new ("");
    tavrel_model_data_value_string_load (value, path.c_str (), on_done, &result);
    while (!result)
      g_main_context_iteration (context, TRUE);
    tavrel_model_data_value_string_load_finish (value, result, &error);
    loaded = tavrel_model_data_value_string_get_itsvalue (value);
    g_object_unref (value);
  }
  g_object_unref (result);
  while (g_main_context_iteration (context, FALSE)) {
  }
  g_main_context_pop_thread_default (context);
  g_main_context_unref (context);

  if (error) {
    std::string message = error->message;
    g_error_free (error);
    lmfuzz::fail ("a regular file failed to load", message);
  }
  std::string expected = binary ? contents : expected_text (contents);
  if (loaded != expected)
    lmfuzz::fail (binary ? "the bytes loaded are not the file's" : "the text loaded is not the file's lines", contents);
  return 0;
}
