/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Binary values: renderings, copies, writing to streams, files. */

#include "tests/support.h"

#include <glib/gstdio.h>
#include <unistd.h>

#include <algorithm>
#include <memory>
#include <set>
#include <string>
#include <vector>

using lmtest::NotifyCounter;
using lmtest::take_string;
using lmtest::Watch;

namespace {

TavrelModelDataValueObject *
as_value (gpointer value)
{
  return TAVREL_MODEL_DATA_VALUE_OBJECT (value);
}

std::string
render (gpointer value)
{
  return take_string (tavrel_model_data_value_object_to_string (as_value (value)));
}

std::string
critical (const char *function, const char *condition)
{
  return std::string (function) + ": assertion '" + condition + "' failed";
}

TavrelModelDataValueBinary *
binary_of (const std::string &bytes)
{
  return tavrel_model_data_value_binary_new (reinterpret_cast<const guint8 *> (bytes.data ()), gint (bytes.size ()));
}

std::string
held (TavrelModelDataValueBinary *value)
{
  GBytes *bytes = tavrel_model_data_value_binary_get_itsvalue (value);
  if (!bytes)
    return "<null>";
  gsize size = 0;
  auto *data = static_cast<const char *> (g_bytes_get_data (bytes, &size));
  return std::string (data ? data : "", size);
}

std::string
hexadecimal (TavrelModelDataValueBinary *value)
{
  return take_string (tavrel_model_data_value_binary_to_hexadecimal (value));
}

std::string
every_byte (size_t size)
{
  std::string out;
  for (size_t i = 0; i < size; i++)
    out += char ((i * 7 + i / 256) & 0xFF);
  return out;
}

class Binary : public lmtest::Test {};

/* An output stream that takes at most a given count per call, or fails. */
struct Sink {
  std::string received;
  gsize most = G_MAXSIZE;
  bool failing = false;
  int calls = 0;
};
struct TestSink {
  GOutputStream parent_instance;
  Sink *sink;
};
struct TestSinkClass {
  GOutputStreamClass parent_class;
};
G_DEFINE_TYPE (TestSink, test_sink, G_TYPE_OUTPUT_STREAM)
static void
test_sink_class_init (TestSinkClass *klass)
{
  G_OUTPUT_STREAM_CLASS (klass)->write_fn = [] (GOutputStream *stream, const void *buffer, gsize count, GCancellable *,
                                                GError **error) -> gssize {
    Sink *sink = reinterpret_cast<TestSink *> (stream)->sink;
    sink->calls++;
    if (sink->failing) {
      g_set_error_literal (error, G_IO_ERROR, G_IO_ERROR_BROKEN_PIPE, "gone");
      return -1;
    }
    gsize taken = std::min (count, sink->most);
    sink->received.append (static_cast<const char *> (buffer), taken);
    return gssize (taken);
  };
}
static void
test_sink_init (TestSink *)
{
}

struct Completion {
  int calls = 0;
  GObject *source = nullptr;
  GAsyncResult *result = nullptr;
  ~Completion ()
  {
    if (result)
      g_object_unref (result);
  }
};

void
on_done (GObject *source, GAsyncResult *result, gpointer data)
{
  auto *done = static_cast<Completion *> (data);
  done->calls++;
  done->source = source;
  done->result = G_ASYNC_RESULT (g_object_ref (result));
}

using Error = std::shared_ptr<GError>;

Error
error_of (GError *error)
{
  return Error (error, [] (GError *e) {
    if (e)
      g_error_free (e);
  });
}

class BinaryFiles : public lmtest::Test {
 protected:
  void SetUp () override
  {
    lmtest::Test::SetUp ();
    context_ = g_main_context_new ();
    g_main_context_push_thread_default (context_);
    dir_ = g_dir_make_tmp ("libmodel-binary-XXXXXX", nullptr);
    ASSERT_NE (nullptr, dir_);
  }

  void TearDown () override
  {
    drain ();
    if (dir_) {
      for (const std::string &name : names ())
        g_remove (path (name.c_str ()).c_str ());
      g_rmdir (dir_);
      g_free (dir_);
    }
    g_main_context_pop_thread_default (context_);
    g_main_context_unref (context_);
    lmtest::Test::TearDown ();
  }

  std::string path (const char *name) const { return std::string (dir_) + "/" + name; }

  void put (const char *name, const std::string &content)
  {
    ASSERT_TRUE (g_file_set_contents (path (name).c_str (), content.data (), gssize (content.size ()), nullptr));
  }

  std::string contents (const char *name)
  {
    gchar *data = nullptr;
    gsize size = 0;
    if (!g_file_get_contents (path (name).c_str (), &data, &size, nullptr))
      return "<unreadable>";
    std::string out (data, size);
    g_free (data);
    return out;
  }

  std::set<std::string> names () const
  {
    std::set<std::string> out;
    if (GDir *dir = g_dir_open (dir_, 0, nullptr)) {
      while (const gchar *name = g_dir_read_name (dir))
        out.insert (name);
      g_dir_close (dir);
    }
    return out;
  }

  void wait (Completion &done)
  {
    bool expired = false;
    GSource *timeout = g_timeout_source_new_seconds (10);
    g_source_set_callback (
        timeout, [] (gpointer flag) { return *static_cast<bool *> (flag) = true, G_SOURCE_REMOVE; }, &expired, nullptr);
    g_source_attach (timeout, context_);
    while (!done.result && !expired)
      g_main_context_iteration (context_, TRUE);
    g_source_destroy (timeout);
    g_source_unref (timeout);
    ASSERT_FALSE (expired) << "the task never called back";
    EXPECT_EQ (1, done.calls);
  }

  void drain ()
  {
    while (g_main_context_iteration (context_, FALSE)) {
    }
  }

  using Start = void (*) (TavrelModelDataValueBinary *, const gchar *, GAsyncReadyCallback, gpointer);
  using Finish = void (*) (TavrelModelDataValueBinary *, GAsyncResult *, GError **);

  Error run (Start start, Finish finish, TavrelModelDataValueBinary *value, const std::string &where)
  {
    Completion done;
    start (value, where.c_str (), on_done, &done);
    EXPECT_EQ (0, done.calls) << "called back before the call returned";
    wait (done);
    if (!done.result)
      return error_of (g_error_new_literal (G_IO_ERROR, G_IO_ERROR_TIMED_OUT, "no result"));
    EXPECT_EQ (G_OBJECT (value), done.source);
    GError *error = nullptr;
    finish (value, done.result, &error);
    return error_of (error);
  }

  Error load (gpointer value, const std::string &where)
  {
    return run (tavrel_model_data_value_binary_load, tavrel_model_data_value_binary_load_finish,
                TAVREL_MODEL_DATA_VALUE_BINARY (value), where);
  }

  Error save (gpointer value, const std::string &where)
  {
    return run (tavrel_model_data_value_binary_save, tavrel_model_data_value_binary_save_finish,
                TAVREL_MODEL_DATA_VALUE_BINARY (value), where);
  }

  GMainContext *context_ = nullptr;
  gchar *dir_ = nullptr;
};

}  // namespace

/* ---- the values --------------------------------------------------------------- */

TEST_F (Binary, KindsNamesAndProperties)
{
  g_autoptr (TavrelModelDataValueBinary) binary = binary_of ("hi");
  g_autoptr (TavrelModelDataValueBlob) blob =
      tavrel_model_data_value_blob_new (reinterpret_cast<const guint8 *> ("hi"), 2);
  EXPECT_STREQ ("binary", tavrel_model_data_value_object_get_name (as_value (binary)));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_BINARY, tavrel_model_data_value_object_get_data_type (as_value (binary)));
  EXPECT_STREQ ("blob", tavrel_model_data_value_object_get_name (as_value (blob)));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_BLOB, tavrel_model_data_value_object_get_data_type (as_value (blob)));
  EXPECT_TRUE (TAVREL_MODEL_DATA_IS_VALUE_BINARY (blob));
  EXPECT_FALSE (tavrel_model_data_value_object_get_is_null (as_value (blob)));
  EXPECT_EQ ("TavrelModelDataValueBinary => hi", take_string (tavrel_model_data_value_object_dump (as_value (binary))));
  EXPECT_EQ ("TavrelModelDataValueBlob => hi", take_string (tavrel_model_data_ivalue_dump (TAVREL_MODEL_DATA_IVALUE (blob))));

  g_autofree gchar *name = nullptr;
  TavrelModelDataDataType kind = TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
  g_object_get (blob, "name", &name, "data-type", &kind, nullptr);
  EXPECT_STREQ ("blob", name);
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_BLOB, kind);

  /* The generic value shares the buffer. */
  g_auto (GValue) generic = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (as_value (blob), &generic);
  ASSERT_TRUE (G_VALUE_HOLDS (&generic, G_TYPE_BYTES));
  EXPECT_EQ (tavrel_model_data_value_binary_get_itsvalue (TAVREL_MODEL_DATA_VALUE_BINARY (blob)),
             g_value_get_boxed (&generic));

  guint n = 0;
  g_autofree GParamSpec **specs = g_object_class_list_properties (G_OBJECT_GET_CLASS (binary), &n);
  std::vector<std::string> own;
  for (guint i = 0; i < n; i++)
    if (specs[i]->owner_type == TAVREL_MODEL_DATA_TYPE_VALUE_BINARY)
      own.push_back (specs[i]->name);
  EXPECT_EQ ((std::vector<std::string>{"name", "itsvalue", "data-type"}), own);
}

TEST_F (Binary, TextOrHexadecimal)
{
  struct Case {
    std::string bytes, text, hex;
    bool is_text;
  } cases[] = {
      {"abc", "abc", "616263", true},
      {std::string ("\x00\xAB\x10", 3), "", "00AB10", true},
      {"\xFF\xFE", "FFFE", "FFFE", false},
      {std::string ("ab\0cd", 5), "ab", "6162006364", true},
      /* Only what precedes the first zero byte has to be UTF-8. */
      {std::string ("ok\0\xFF", 4), "ok", "6F6B00FF", true},
      {"caf\xC3\xA9", "caf\xC3\xA9", "636166C3A9", true},
      /* A sequence cut short is no UTF-8. */
      {"caf\xC3", "636166C3", "636166C3", false},
      {"", "", "", true},
  };
  for (const Case &c : cases) {
    SCOPED_TRACE (c.hex);
    g_autoptr (TavrelModelDataValueBinary) value = binary_of (c.bytes);
    EXPECT_EQ (c.text, render (value));
    EXPECT_EQ (c.hex, hexadecimal (value));
    EXPECT_EQ (c.is_text, bool (tavrel_model_data_value_binary_is_text (value)));
    EXPECT_EQ (c.bytes, held (value));
  }
}

TEST_F (Binary, ToBytesHandsOutACopy)
{
  g_autoptr (TavrelModelDataValueBinary) value = binary_of (std::string ("a\0b", 3));
  gint length = -1;
  g_autofree guint8 *bytes = tavrel_model_data_value_binary_to_bytes (value, &length);
  ASSERT_EQ (3, length);
  EXPECT_EQ (std::string ("a\0b", 3), std::string (reinterpret_cast<char *> (bytes), 3));
  EXPECT_NE (g_bytes_get_data (tavrel_model_data_value_binary_get_itsvalue (value), nullptr), bytes);
  bytes[0] = 'X';
  EXPECT_EQ (std::string ("a\0b", 3), held (value));
  g_autofree guint8 *unmeasured = tavrel_model_data_value_binary_to_bytes (value, nullptr);
  EXPECT_NE (nullptr, unmeasured);

  g_autoptr (TavrelModelDataValueBinary) empty = tavrel_model_data_value_binary_new (nullptr, 0);
  length = -1;
  EXPECT_EQ (nullptr, tavrel_model_data_value_binary_to_bytes (empty, &length));
  EXPECT_EQ (0, length);

  length = -1;
  EXPECT_EQ (nullptr, tavrel_model_data_value_binary_to_bytes (nullptr, &length));
  expect_critical (critical ("tavrel_model_data_value_binary_to_bytes", "self != NULL"));
  EXPECT_EQ (0, length);
}

TEST_F (Binary, ConstructorsRefuseImpossibleBytes)
{
  const guint8 data[] = {1, 2, 3};
  EXPECT_EQ (nullptr, tavrel_model_data_value_binary_new (data, -1));
  expect_critical (critical ("tavrel_model_data_value_binary_new", "length >= 0"));
  EXPECT_EQ (nullptr, tavrel_model_data_value_blob_new (nullptr, 3));
  expect_critical (critical ("tavrel_model_data_value_blob_new", "data != NULL || length == 0"));
  EXPECT_EQ (nullptr, tavrel_model_data_value_blob_construct (TAVREL_MODEL_DATA_TYPE_VALUE_BINARY, data, 3));
  expect_critical (critical ("tavrel_model_data_value_blob_construct",
                             "g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_BLOB)"));
  g_autoptr (TavrelModelDataValueBinary) derived =
      tavrel_model_data_value_binary_construct (TAVREL_MODEL_DATA_TYPE_VALUE_BLOB, data, 3);
  EXPECT_TRUE (TAVREL_MODEL_DATA_IS_VALUE_BLOB (derived));

  /* The value holds a copy of the caller's bytes. */
  guint8 mutable_data[] = {'x', 'y'};
  g_autoptr (TavrelModelDataValueBinary) copy = tavrel_model_data_value_binary_new (mutable_data, 2);
  mutable_data[0] = 'Z';
  EXPECT_EQ ("xy", held (copy));
}

TEST_F (Binary, SetItsvalueAndTheNullBuffer)
{
  g_autoptr (TavrelModelDataValueBinary) value = binary_of ("old");
  g_autoptr (GBytes) bytes = g_bytes_new ("new", 3);
  NotifyCounter notified (value, "itsvalue");
  tavrel_model_data_value_binary_set_itsvalue (value, bytes);
  tavrel_model_data_value_binary_set_itsvalue (value, bytes);
  g_object_set (value, "itsvalue", bytes, nullptr);
  EXPECT_EQ (3, notified.count ());
  EXPECT_EQ (bytes, tavrel_model_data_value_binary_get_itsvalue (value)) << "a reference, not a copy";
  EXPECT_EQ ("new", render (value));

  tavrel_model_data_value_binary_set_itsvalue (value, nullptr);
  EXPECT_EQ ("", render (value));
  expect_critical (critical ("binary_to_string", "itsvalue != NULL"));
  EXPECT_EQ ("", hexadecimal (value));
  expect_critical (critical ("tavrel_model_data_value_binary_to_hexadecimal", "itsvalue != NULL"));
  EXPECT_FALSE (tavrel_model_data_value_binary_is_text (value));
  expect_critical (critical ("tavrel_model_data_value_binary_is_text", "itsvalue != NULL"));
  gint length = -1;
  EXPECT_EQ (nullptr, tavrel_model_data_value_binary_to_bytes (value, &length));
  EXPECT_EQ (0, length);

  g_autoptr (TavrelModelDataValueObject) copy = tavrel_model_data_value_object_clone (as_value (value));
  EXPECT_TRUE (TAVREL_MODEL_DATA_IS_VALUE_BINARY (copy));
  EXPECT_EQ (nullptr, tavrel_model_data_value_binary_get_itsvalue (TAVREL_MODEL_DATA_VALUE_BINARY (copy)));

  EXPECT_EQ (nullptr, tavrel_model_data_value_binary_to_hexadecimal (nullptr));
  expect_critical (critical ("tavrel_model_data_value_binary_to_hexadecimal", "self != NULL"));
  EXPECT_FALSE (tavrel_model_data_value_binary_is_text (nullptr));
  expect_critical (critical ("tavrel_model_data_value_binary_is_text", "self != NULL"));
}

TEST_F (Binary, ClonesHoldEqualButSeparateBytes)
{
  g_autoptr (TavrelModelDataValueBlob) blob = tavrel_model_data_value_blob_new (reinterpret_cast<const guint8 *> ("\x01\x02"), 2);
  TavrelModelDataValueObject *copy = tavrel_model_data_value_object_clone (as_value (blob));
  Watch watch (copy);
  ASSERT_TRUE (TAVREL_MODEL_DATA_IS_VALUE_BLOB (copy));
  EXPECT_STREQ ("blob", tavrel_model_data_value_object_get_name (copy));
  GBytes *original = tavrel_model_data_value_binary_get_itsvalue (TAVREL_MODEL_DATA_VALUE_BINARY (blob));
  GBytes *copied = tavrel_model_data_value_binary_get_itsvalue (TAVREL_MODEL_DATA_VALUE_BINARY (copy));
  EXPECT_NE (original, copied);
  EXPECT_NE (g_bytes_get_data (original, nullptr), g_bytes_get_data (copied, nullptr));
  EXPECT_TRUE (g_bytes_equal (original, copied));
  g_object_unref (copy);
  EXPECT_TRUE (watch.finalized ());

  g_autoptr (TavrelModelDataValueBinary) binary = binary_of ("b");
  g_autoptr (TavrelModelDataValueObject) binary_copy = tavrel_model_data_value_object_clone (as_value (binary));
  EXPECT_EQ (TAVREL_MODEL_DATA_TYPE_VALUE_BINARY, G_OBJECT_TYPE (binary_copy));
}

TEST_F (Binary, WriteHandsTheStreamEveryByte)
{
  std::string data = every_byte (5000);
  g_autoptr (TavrelModelDataValueBinary) value = binary_of (data);

  g_autoptr (GOutputStream) memory = g_memory_output_stream_new_resizable ();
  GError *error = nullptr;
  tavrel_model_data_value_binary_write (value, memory, &error);
  ASSERT_EQ (nullptr, error);
  g_output_stream_close (memory, nullptr, nullptr);
  g_autoptr (GBytes) written = g_memory_output_stream_steal_as_bytes (G_MEMORY_OUTPUT_STREAM (memory));
  EXPECT_TRUE (g_bytes_equal (written, tavrel_model_data_value_binary_get_itsvalue (value)));

  /* A stream that takes a little at a time still gets everything. */
  Sink sink;
  sink.most = 999;
  g_autoptr (GOutputStream) slow = G_OUTPUT_STREAM (g_object_new (test_sink_get_type (), nullptr));
  reinterpret_cast<TestSink *> (slow)->sink = &sink;
  tavrel_model_data_value_binary_write (value, slow, &error);
  ASSERT_EQ (nullptr, error);
  EXPECT_EQ (data, sink.received);
  EXPECT_EQ (6, sink.calls);

  Sink broken;
  broken.failing = true;
  g_autoptr (GOutputStream) failing = G_OUTPUT_STREAM (g_object_new (test_sink_get_type (), nullptr));
  reinterpret_cast<TestSink *> (failing)->sink = &broken;
  tavrel_model_data_value_binary_write (value, failing, &error);
  ASSERT_NE (nullptr, error);
  EXPECT_TRUE (g_error_matches (error, G_IO_ERROR, G_IO_ERROR_BROKEN_PIPE));
  g_clear_error (&error);

  tavrel_model_data_value_binary_write (value, nullptr, &error);
  expect_critical (critical ("tavrel_model_data_value_binary_write", "stream != NULL"));
  tavrel_model_data_value_binary_write (nullptr, memory, &error);
  expect_critical (critical ("tavrel_model_data_value_binary_write", "self != NULL"));
  tavrel_model_data_value_binary_set_itsvalue (value, nullptr);
  tavrel_model_data_value_binary_write (value, slow, &error);
  expect_critical (critical ("tavrel_model_data_value_binary_write", "itsvalue != NULL"));
  EXPECT_EQ (nullptr, error);
}

/* ---- files ------------------------------------------------------------------------ */

TEST_F (BinaryFiles, SaveAndLoadBackEveryByte)
{
  for (size_t size : {size_t (0), size_t (1), size_t (1024), size_t (2500)}) {
    SCOPED_TRACE (size);
    std::string data = every_byte (size);
    g_autoptr (TavrelModelDataValueBlob) value = TAVREL_MODEL_DATA_VALUE_BLOB (
        tavrel_model_data_value_blob_new (reinterpret_cast<const guint8 *> (data.data ()), gint (size)));
    Error saved = save (value, path ("data.bin"));
    ASSERT_EQ (nullptr, saved.get ()) << saved->message;
    EXPECT_EQ (data, contents ("data.bin"));

    g_autoptr (TavrelModelDataValueBinary) back = binary_of ("before");
    NotifyCounter notified (back, "itsvalue");
    Error loaded = load (back, path ("data.bin"));
    ASSERT_EQ (nullptr, loaded.get ()) << loaded->message;
    EXPECT_EQ (data, held (back));
    EXPECT_NE (nullptr, tavrel_model_data_value_binary_get_itsvalue (back)) << "an empty file is empty bytes";
    EXPECT_EQ (0, notified.count ()) << "a load is no edit";
  }
  EXPECT_EQ ((std::set<std::string>{"data.bin"}), names ());
}

TEST_F (BinaryFiles, SaveWritesTheBytesHeldAtTheCall)
{
  g_autoptr (TavrelModelDataValueBinary) value = binary_of ("at the call");
  Completion done;
  tavrel_model_data_value_binary_save (value, path ("out").c_str (), on_done, &done);
  g_autoptr (GBytes) later = g_bytes_new ("later", 5);
  tavrel_model_data_value_binary_set_itsvalue (value, later);
  wait (done);
  GError *error = nullptr;
  tavrel_model_data_value_binary_save_finish (value, done.result, &error);
  ASSERT_EQ (nullptr, error);
  EXPECT_EQ ("at the call", contents ("out"));

  /* No buffer saves as nothing, after a word. */
  tavrel_model_data_value_binary_set_itsvalue (value, nullptr);
  Completion empty;
  tavrel_model_data_value_binary_save (value, path ("out").c_str (), on_done, &empty);
  expect_critical (critical ("tavrel_model_data_value_binary_save", "itsvalue != NULL"));
  wait (empty);
  tavrel_model_data_value_binary_save_finish (value, empty.result, &error);
  EXPECT_EQ (nullptr, error);
  EXPECT_EQ ("", contents ("out"));
}

TEST_F (BinaryFiles, LoadFailuresLeaveTheBytes)
{
  g_autoptr (TavrelModelDataValueBinary) value = binary_of ("kept");
  put ("plain", "x");

  for (const std::string &where : {path ("missing"), path ("plain/below")}) {
    SCOPED_TRACE (where);
    Error error = load (value, where);
    EXPECT_EQ (nullptr, error.get ()) << error->message;
    EXPECT_EQ ("kept", held (value));
  }

  Error folder = load (value, dir_);
  ASSERT_NE (nullptr, folder.get ());
  EXPECT_TRUE (g_error_matches (folder.get (), G_IO_ERROR, G_IO_ERROR_IS_DIRECTORY)) << folder->message;
  EXPECT_EQ ("kept", held (value));

  /* Opens, but cannot be sized: a seek from its end is refused. */
  Error memory = load (value, "/proc/self/mem");
  ASSERT_NE (nullptr, memory.get ());
  EXPECT_EQ (G_IO_ERROR, memory->domain) << memory->message;
  EXPECT_EQ ("kept", held (value));

  /* Larger than one value can hold: refused before anything is read (the
   * file is sparse, it takes no room). */
  put ("huge", "");
  if (truncate (path ("huge").c_str (), off_t (5) << 30) == 0) {
    Error huge = load (value, path ("huge"));
    ASSERT_NE (nullptr, huge.get ());
    EXPECT_TRUE (g_error_matches (huge.get (), G_IO_ERROR, G_IO_ERROR_NO_SPACE)) << huge->message;
    EXPECT_EQ ("kept", held (value));
  }
}

TEST_F (BinaryFiles, SaveFailuresReportAndKeepTheBytes)
{
  g_autoptr (TavrelModelDataValueBinary) value = binary_of (every_byte (2500));

  Error missing = save (value, path ("no-folder/out"));
  ASSERT_NE (nullptr, missing.get ());
  EXPECT_TRUE (g_error_matches (missing.get (), G_IO_ERROR, G_IO_ERROR_NOT_FOUND)) << missing->message;

  Error device = save (value, "/dev/full");
  ASSERT_NE (nullptr, device.get ());
  EXPECT_EQ (G_IO_ERROR, device->domain) << device->message;

  Error folder = save (value, dir_);
  ASSERT_NE (nullptr, folder.get ());
  EXPECT_EQ (every_byte (2500), held (value));
  EXPECT_TRUE (names ().empty ());
}

TEST_F (BinaryFiles, TaskKeepsTheValueAliveAndChecksArguments)
{
  put ("in", "bytes");
  TavrelModelDataValueBinary *value = binary_of ("");
  Watch watch (value);
  Completion done;
  tavrel_model_data_value_binary_load (value, path ("in").c_str (), on_done, &done);
  g_object_unref (value);
  wait (done);
  ASSERT_FALSE (watch.finalized ());
  auto *source = TAVREL_MODEL_DATA_VALUE_BINARY (done.source);
  GError *error = nullptr;
  tavrel_model_data_value_binary_save_finish (source, done.result, &error);
  expect_critical (critical ("tavrel_model_data_value_binary_save_finish",
                             "g_async_result_is_tagged (res, tavrel_model_data_value_binary_save)"));
  tavrel_model_data_value_binary_load_finish (source, done.result, &error);
  EXPECT_EQ (nullptr, error);
  EXPECT_EQ ("bytes", held (source));
  g_clear_object (&done.result);
  drain ();
  EXPECT_TRUE (watch.finalized ());

  g_autoptr (TavrelModelDataValueBinary) other = binary_of ("o");
  Completion never;
  tavrel_model_data_value_binary_load (nullptr, "f", on_done, &never);
  expect_critical (critical ("tavrel_model_data_value_binary_load", "self != NULL"));
  tavrel_model_data_value_binary_load (other, nullptr, on_done, &never);
  expect_critical (critical ("tavrel_model_data_value_binary_load", "filename != NULL"));
  tavrel_model_data_value_binary_save (other, nullptr, on_done, &never);
  expect_critical (critical ("tavrel_model_data_value_binary_save", "filename != NULL"));
  tavrel_model_data_value_binary_save_finish (other, nullptr, &error);
  expect_critical (critical ("tavrel_model_data_value_binary_save_finish", "res != NULL"));
  drain ();
  EXPECT_EQ (0, never.calls);
}
