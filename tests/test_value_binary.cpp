/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Binary values: renderings, copies, writing to streams, files. */

#include "tests/files.h"

#include <unistd.h>

#include <string>
#include <vector>

using lmtest::as_value;
using lmtest::Completion;
using lmtest::critical_text;
using lmtest::Error;
using lmtest::NotifyCounter;
using lmtest::on_done;
using lmtest::own_properties;
using lmtest::Recording;
using lmtest::recording_stream;
using lmtest::render;
using lmtest::take_string;
using lmtest::Watch;

namespace {

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

/* Real files in a folder of their own, on a main context of the test's own.
 * What loads and saves share with text values is tested with those (the
 * context a task calls back on among them); here is what binary files do
 * differently, and a test leaves no file but those named here. */
class BinaryFiles : public lmtest::Files {
 protected:
  BinaryFiles ()
      : Files ({.folder = "libmodel-binary-XXXXXX",
                .leftovers = std::vector<std::string>{"data.bin", "huge", "plain"},
                .checks_context = false})
  {
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
};

}  // namespace

/* ---- the values --------------------------------------------------------------- */

TEST_F (Binary, KindsNamesAndProperties)
{
  g_autoptr (TavrelModelDataValueBinary) binary = binary_of ("hi");
  g_autoptr (TavrelModelDataValueBlob) blob = tavrel_model_data_value_blob_new (reinterpret_cast<const guint8 *> ("hi"), 2);
  EXPECT_STREQ ("binary", tavrel_model_data_value_object_get_name (as_value (binary)));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_BINARY, tavrel_model_data_value_object_get_data_type (as_value (binary)));
  EXPECT_STREQ ("blob", tavrel_model_data_value_object_get_name (as_value (blob)));
  EXPECT_EQ (TAVREL_MODEL_DATA_DATA_TYPE_BLOB, tavrel_model_data_value_object_get_data_type (as_value (blob)));
  EXPECT_FALSE (tavrel_model_data_value_object_get_is_null (as_value (blob)));
  EXPECT_EQ ("TavrelModelDataValueBinary => hi", take_string (tavrel_model_data_value_object_dump (as_value (binary))));
  EXPECT_EQ ("TavrelModelDataValueBlob => hi", take_string (tavrel_model_data_value_object_dump (as_value (blob))));

  /* The generic value shares the buffer. */
  g_auto (GValue) generic = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (as_value (blob), &generic);
  ASSERT_TRUE (G_VALUE_HOLDS (&generic, G_TYPE_BYTES));
  EXPECT_EQ (tavrel_model_data_value_binary_get_itsvalue (TAVREL_MODEL_DATA_VALUE_BINARY (blob)),
             g_value_get_boxed (&generic));

  EXPECT_EQ ((std::vector<std::string>{"name", "itsvalue", "data-type"}),
             own_properties (binary, G_OBJECT_TYPE (binary)));
  EXPECT_EQ ((std::vector<std::string>{"name", "data-type"}), own_properties (blob, G_OBJECT_TYPE (blob)));
}

TEST_F (Binary, TextOrHexadecimal)
{
  struct {
    std::string bytes, text, hex;
    bool is_text;
  } cases[] = {
      {"abc", "abc", "616263", true},
      {std::string ("\x00\xAB\x10", 3), "", "00AB10", true},
      {"\xFF\xFE", "FFFE", "FFFE", false},
      {std::string ("ab\0cd", 5), "ab", "6162006364", true},
      /* Only what precedes the first zero byte has to be UTF-8. */
      {std::string ("ok\0\xFF", 4), "ok", "6F6B00FF", true},
      /* A sequence cut short is no UTF-8. */
      {"caf\xC3", "636166C3", "636166C3", false},
      {"", "", "", true},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE (c.hex);
    g_autoptr (TavrelModelDataValueBinary) value = binary_of (c.bytes);
    EXPECT_EQ (c.text, render (value));
    EXPECT_EQ (c.hex, hexadecimal (value));
    EXPECT_EQ (c.is_text, bool (tavrel_model_data_value_binary_is_text (value)));
    gint length = -1;
    g_autofree guint8 *bytes = tavrel_model_data_value_binary_to_bytes (value, &length);
    EXPECT_EQ (c.bytes, std::string (reinterpret_cast<char *> (bytes), gsize (length)));
    /* No bytes hand out no buffer; otherwise a copy of their own. */
    EXPECT_EQ (c.bytes.empty (), bytes == nullptr);
    if (bytes) {
      EXPECT_NE (g_bytes_get_data (tavrel_model_data_value_binary_get_itsvalue (value), nullptr), bytes);
    }
  }
}

TEST_F (Binary, ConstructorsRefuseImpossibleBytes)
{
  const guint8 data[] = {1, 2, 3};
  EXPECT_EQ (nullptr, tavrel_model_data_value_binary_new (data, -1));
  expect_critical (critical_text ("tavrel_model_data_value_binary_new", "length >= 0"));
  EXPECT_EQ (nullptr, tavrel_model_data_value_blob_new (nullptr, 3));
  expect_critical (critical_text ("tavrel_model_data_value_blob_new", "data != NULL || length == 0"));
  EXPECT_EQ (nullptr, tavrel_model_data_value_blob_construct (TAVREL_MODEL_DATA_TYPE_VALUE_BINARY, data, 3));
  expect_critical (critical_text ("tavrel_model_data_value_blob_construct",
                             "g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_BLOB)"));
  /* The value holds a copy of the caller's bytes. */
  guint8 changing[] = {'x', 'y'};
  g_autoptr (TavrelModelDataValueBinary) copy = tavrel_model_data_value_binary_new (changing, 2);
  changing[0] = 'Z';
  EXPECT_EQ ("xy", held (copy));
}

TEST_F (Binary, SetItsvalueAndTheNullBuffer)
{
  g_autoptr (TavrelModelDataValueBinary) value = binary_of ("old");
  g_autoptr (GBytes) bytes = g_bytes_new ("new", 3);
  {
    NotifyCounter notified (value, "itsvalue");
    tavrel_model_data_value_binary_set_itsvalue (value, bytes);
    tavrel_model_data_value_binary_set_itsvalue (value, bytes);
    g_object_set (value, "itsvalue", bytes, nullptr);
    EXPECT_EQ (3, notified.count ());
  }
  EXPECT_EQ (bytes, tavrel_model_data_value_binary_get_itsvalue (value)) << "a reference, not a copy";

  tavrel_model_data_value_binary_set_itsvalue (value, nullptr);
  EXPECT_EQ ("", render (value));
  expect_critical (critical_text ("binary_to_string", "itsvalue != NULL"));
  EXPECT_EQ ("", hexadecimal (value));
  expect_critical (critical_text ("tavrel_model_data_value_binary_to_hexadecimal", "itsvalue != NULL"));
  EXPECT_FALSE (tavrel_model_data_value_binary_is_text (value));
  expect_critical (critical_text ("tavrel_model_data_value_binary_is_text", "itsvalue != NULL"));
  gint length = -1;
  EXPECT_EQ (nullptr, tavrel_model_data_value_binary_to_bytes (value, &length));
  EXPECT_EQ (0, length);
  g_autoptr (TavrelModelDataValueObject) copy = tavrel_model_data_value_object_clone (as_value (value));
  EXPECT_EQ (nullptr, tavrel_model_data_value_binary_get_itsvalue (TAVREL_MODEL_DATA_VALUE_BINARY (copy)));

  EXPECT_FALSE (tavrel_model_data_value_binary_is_text (nullptr));
  expect_critical (critical_text ("tavrel_model_data_value_binary_is_text", "self != NULL"));
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
  /* A stream that takes a little at a time still gets everything. */
  Recording slow;
  slow.most = 999;
  g_autoptr (GOutputStream) slow_stream = recording_stream (slow);
  GError *error = nullptr;
  tavrel_model_data_value_binary_write (value, slow_stream, &error);
  ASSERT_EQ (nullptr, error);
  EXPECT_EQ (data, slow.received);
  EXPECT_EQ (6u, slow.requests.size ());

  Recording broken;
  broken.failure = Recording::Failure{G_IO_ERROR_BROKEN_PIPE, "gone"};
  g_autoptr (GOutputStream) broken_stream = recording_stream (broken);
  tavrel_model_data_value_binary_write (value, broken_stream, &error);
  EXPECT_TRUE (g_error_matches (error, G_IO_ERROR, G_IO_ERROR_BROKEN_PIPE));
  g_clear_error (&error);

  tavrel_model_data_value_binary_write (value, nullptr, &error);
  expect_critical (critical_text ("tavrel_model_data_value_binary_write", "stream != NULL"));
  tavrel_model_data_value_binary_set_itsvalue (value, nullptr);
  tavrel_model_data_value_binary_write (value, slow_stream, &error);
  expect_critical (critical_text ("tavrel_model_data_value_binary_write", "itsvalue != NULL"));
  EXPECT_EQ (nullptr, error);
}

/* ---- files ------------------------------------------------------------------------ */

TEST_F (BinaryFiles, SaveAndLoadBackEveryByte)
{
  for (size_t size : {size_t (0), size_t (1), size_t (1024), size_t (2500)}) {
    SCOPED_TRACE (size);
    std::string data = every_byte (size);
    g_autoptr (TavrelModelDataValueBlob) value =
        tavrel_model_data_value_blob_new (reinterpret_cast<const guint8 *> (data.data ()), gint (size));
    Error saved = save (value, path ("data.bin"));
    ASSERT_EQ (nullptr, saved.get ()) << saved->message;
    EXPECT_EQ (data, contents ("data.bin"));

    g_autoptr (TavrelModelDataValueBinary) back = binary_of ("before");
    NotifyCounter notified (back, "itsvalue");
    Error loaded = load (back, path ("data.bin"));
    ASSERT_EQ (nullptr, loaded.get ()) << loaded->message;
    EXPECT_EQ (data, held (back)) << "an empty file is empty bytes, not none";
    EXPECT_EQ (0, notified.count ()) << "a load is no edit";
  }
}

TEST_F (BinaryFiles, SaveWritesTheBytesHeldAtTheCall)
{
  g_autoptr (TavrelModelDataValueBinary) value = binary_of ("at the call");
  Completion done;
  tavrel_model_data_value_binary_save (value, path ("data.bin").c_str (), on_done, &done);
  g_autoptr (GBytes) later = g_bytes_new ("later", 5);
  tavrel_model_data_value_binary_set_itsvalue (value, later);
  wait (done);
  tavrel_model_data_value_binary_save_finish (value, done.result, nullptr);
  EXPECT_EQ ("at the call", contents ("data.bin"));

  /* No buffer saves as nothing, after a word. */
  tavrel_model_data_value_binary_set_itsvalue (value, nullptr);
  Error error = save (value, path ("data.bin"));
  expect_critical (critical_text ("tavrel_model_data_value_binary_save", "itsvalue != NULL"));
  EXPECT_EQ (nullptr, error.get ());
  EXPECT_EQ ("", contents ("data.bin"));
}

TEST_F (BinaryFiles, LoadFailuresLeaveTheBytes)
{
  g_autoptr (TavrelModelDataValueBinary) value = binary_of ("kept");
  put ("plain", "x");
  for (const std::string &where : {path ("missing"), path ("plain/below")}) {
    Error error = load (value, where);
    EXPECT_EQ (nullptr, error.get ()) << where << ": no file is no error, " << error->message;
  }
  Error folder = load (value, dir_);
  ASSERT_NE (nullptr, folder.get ());
  EXPECT_TRUE (g_error_matches (folder.get (), G_IO_ERROR, G_IO_ERROR_IS_DIRECTORY)) << folder->message;

  /* Opens, but cannot be sized: a seek from its end is refused. */
  Error memory = load (value, "/proc/self/mem");
  ASSERT_NE (nullptr, memory.get ());
  EXPECT_EQ (G_IO_ERROR, memory->domain) << memory->message;

  /* Larger than one value can hold: refused before anything is read (the
   * file is sparse, it takes no room). */
  put ("huge", "");
  if (truncate (path ("huge").c_str (), off_t (5) << 30) == 0) {
    Error huge = load (value, path ("huge"));
    ASSERT_NE (nullptr, huge.get ());
    EXPECT_TRUE (g_error_matches (huge.get (), G_IO_ERROR, G_IO_ERROR_NO_SPACE)) << huge->message;
  }
  EXPECT_EQ ("kept", held (value));

  Completion never;
  tavrel_model_data_value_binary_load (value, nullptr, on_done, &never);
  expect_critical (critical_text ("tavrel_model_data_value_binary_load", "filename != NULL"));
  tavrel_model_data_value_binary_save (nullptr, "f", on_done, &never);
  expect_critical (critical_text ("tavrel_model_data_value_binary_save", "self != NULL"));
  EXPECT_EQ (0, never.calls);
}
