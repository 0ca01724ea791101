/* SPDX-License-Identifier: LGPL-2.1-or-later */
/* Text values, their file load and save, and the piece writer of saves. */

#include "tests/files.h"

#include "Data/value_file.h"

#include <set>
#include <string>
#include <vector>

using lmtest::as_value;
using lmtest::Completion;
using lmtest::critical_text;
using lmtest::Error;
using lmtest::error_of;
using lmtest::FileSizeLimit;
using lmtest::NotifyCounter;
using lmtest::on_done;
using lmtest::own_properties;
using lmtest::Recording;
using lmtest::recording_stream;
using lmtest::render;
using lmtest::take_string;
using lmtest::Watch;

namespace {

class Text : public lmtest::Test {};

class TextFiles : public lmtest::Files {
 protected:
  TextFiles () : Files ({.folder = "libmodel-text-XXXXXX"}) {}

  Error load (gpointer value, const std::string &where)
  {
    return run (tavrel_model_data_value_string_load, tavrel_model_data_value_string_load_finish,
                TAVREL_MODEL_DATA_VALUE_STRING (value), where);
  }

  Error save (gpointer value, const std::string &where)
  {
    return run (tavrel_model_data_value_string_save, tavrel_model_data_value_string_save_finish,
                TAVREL_MODEL_DATA_VALUE_STRING (value), where);
  }

  std::string loaded (const std::string &content)
  {
    put ("in", content);
    g_autoptr (TavrelModelDataValueString) value = tavrel_model_data_value_string_new ("before");
    NotifyCounter notified (value, "itsvalue");
    Error error = load (value, path ("in"));
    EXPECT_EQ (nullptr, error.get ()) << error->message;
    EXPECT_EQ (0, notified.count ()) << "a load is no edit";
    return tavrel_model_data_value_string_get_itsvalue (value);
  }
};

}  // namespace

/* ---- the values ----------------------------------------------------------- */

TEST_F (Text, KindsNamesAndProperties)
{
  g_autoptr (TavrelModelDataValueString) text = tavrel_model_data_value_string_new ("t");
  g_autoptr (TavrelModelDataValueXml) xml = tavrel_model_data_value_xml_new ("<a/>");
  g_autoptr (TavrelModelDataValueJson) json = tavrel_model_data_value_json_new ("{}");
  g_autoptr (TavrelModelDataValueUuid) uuid = tavrel_model_data_value_uuid_new_uuid ("not checked");
  g_autoptr (TavrelModelDataValueUtf16) wide = tavrel_model_data_value_utf16_new_string ("w");
  struct {
    gpointer value;
    const char *type_name, *name;
    TavrelModelDataDataType kind;
    const char *text;
  } cases[] = {
      {text, "TavrelModelDataValueString", "string", TAVREL_MODEL_DATA_DATA_TYPE_STRING, "t"},
      {xml, "TavrelModelDataValueXml", "xml", TAVREL_MODEL_DATA_DATA_TYPE_XML, "<a/>"},
      {json, "TavrelModelDataValueJson", "json", TAVREL_MODEL_DATA_DATA_TYPE_JSON, "{}"},
      {uuid, "TavrelModelDataValueUuid", "uuid", TAVREL_MODEL_DATA_DATA_TYPE_UUID, "not checked"},
      {wide, "TavrelModelDataValueUtf16", "wstring", TAVREL_MODEL_DATA_DATA_TYPE_WSTRING, "w"},
  };
  for (const auto &c : cases) {
    SCOPED_TRACE (c.type_name);
    auto *ivalue = TAVREL_MODEL_DATA_IVALUE (c.value);
    EXPECT_STREQ (c.type_name, G_OBJECT_TYPE_NAME (c.value));
    EXPECT_STREQ (c.name, tavrel_model_data_ivalue_get_name (ivalue));
    EXPECT_EQ (c.kind, tavrel_model_data_ivalue_get_data_type (ivalue));
    EXPECT_FALSE (tavrel_model_data_ivalue_get_is_null (ivalue));
    EXPECT_EQ (std::string (c.type_name) + " => " + c.text, take_string (tavrel_model_data_ivalue_dump (ivalue)));
    g_auto (GValue) generic = G_VALUE_INIT;
    tavrel_model_data_ivalue_to_value (ivalue, &generic);
    ASSERT_TRUE (G_VALUE_HOLDS_STRING (&generic));
    EXPECT_STREQ (c.text, g_value_get_string (&generic));
  }
  EXPECT_TRUE (TAVREL_MODEL_DATA_IS_VALUE_STRING (uuid));

  /* Declaration order is part of the output format of comparisons. */
  EXPECT_EQ ((std::vector<std::string>{"name", "itsvalue", "data-type"}),
             own_properties (text, TAVREL_MODEL_DATA_TYPE_VALUE_STRING));

  /* A freshly instantiated value holds "" rather than null. */
  g_autoptr (GObject) bare = G_OBJECT (g_object_new (TAVREL_MODEL_DATA_TYPE_VALUE_XML, nullptr));
  EXPECT_STREQ ("", tavrel_model_data_value_string_get_itsvalue (TAVREL_MODEL_DATA_VALUE_STRING (bare)));
}

TEST_F (Text, ConstructorsRefuseWhatTheyCannotHold)
{
  EXPECT_EQ (nullptr, tavrel_model_data_value_string_new (nullptr));
  expect_critical (critical_text ("tavrel_model_data_value_string_new", "text != NULL"));
  EXPECT_EQ (nullptr, tavrel_model_data_value_xml_new (nullptr));
  expect_critical (critical_text ("tavrel_model_data_value_xml_new", "text != NULL"));
  EXPECT_EQ (nullptr, tavrel_model_data_value_uuid_new_uuid (nullptr));
  expect_critical (critical_text ("tavrel_model_data_value_uuid_new_uuid", "uuid != NULL"));
  EXPECT_EQ (nullptr, tavrel_model_data_value_utf16_new (nullptr));
  expect_critical (critical_text ("tavrel_model_data_value_utf16_new", "text != NULL"));
  EXPECT_EQ (nullptr, tavrel_model_data_value_utf16_new_string (nullptr));
  expect_critical (critical_text ("tavrel_model_data_value_utf16_new_string", "text != NULL"));
  EXPECT_EQ (nullptr, tavrel_model_data_value_json_construct (TAVREL_MODEL_DATA_TYPE_VALUE_STRING, "x"));
  expect_critical (critical_text ("tavrel_model_data_value_json_construct",
                             "g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_JSON)"));
  /* A refused buffer was handed over all the same: the sanitizer run
   * reports it if it leaks. */
  EXPECT_EQ (nullptr, tavrel_model_data_value_utf16_construct (TAVREL_MODEL_DATA_TYPE_VALUE_STRING,
                                                               g_utf8_to_utf16 ("x", -1, nullptr, nullptr, nullptr)));
  expect_critical (critical_text ("tavrel_model_data_value_utf16_construct",
                             "g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_UTF16)"));
  tavrel_model_data_value_utf16_set_itsvalue (nullptr, g_utf8_to_utf16 ("x", -1, nullptr, nullptr, nullptr));
  expect_critical (critical_text ("tavrel_model_data_value_utf16_set_itsvalue", "self != NULL"));
}

TEST_F (Text, SetItsvalueNotifiesEveryCallAndNullText)
{
  g_autoptr (TavrelModelDataValueString) text = tavrel_model_data_value_string_new ("a");
  NotifyCounter notified (text, "itsvalue");
  tavrel_model_data_value_string_set_itsvalue (text, "b");
  tavrel_model_data_value_string_set_itsvalue (text, "b");
  g_object_set (text, "itsvalue", "b", nullptr);
  EXPECT_EQ (3, notified.count ());
  /* Handing back the text the value holds keeps it intact. */
  tavrel_model_data_value_string_set_itsvalue (text, tavrel_model_data_value_string_get_itsvalue (text));
  EXPECT_STREQ ("b", tavrel_model_data_value_string_get_itsvalue (text));

  tavrel_model_data_value_string_set_itsvalue (text, nullptr);
  EXPECT_EQ (nullptr, tavrel_model_data_value_object_to_string (as_value (text)));
  EXPECT_FALSE (tavrel_model_data_value_object_get_is_null (as_value (text)));
  EXPECT_EQ (nullptr, tavrel_model_data_value_object_clone (as_value (text)));
  expect_critical (critical_text ("tavrel_model_data_value_string_construct", "text != NULL"));

  g_autoptr (TavrelModelDataValueUuid) uuid = tavrel_model_data_value_uuid_new ();
  tavrel_model_data_value_string_set_itsvalue (TAVREL_MODEL_DATA_VALUE_STRING (uuid), nullptr);
  EXPECT_EQ (nullptr, tavrel_model_data_value_object_clone (as_value (uuid)));
  expect_critical (critical_text ("tavrel_model_data_value_uuid_construct_uuid", "uuid != NULL"));
}

/* Short texts live in the value itself and long ones beside it; every
 * length on either side of the border, and every change from one form to
 * the other, reads back as written, also when the new text is a piece of
 * the old one. */
TEST_F (Text, TextsOfEveryLengthReadBackAsWritten)
{
  const std::string alphabet = "abcdefghijklmnopqrstuvwxyz\xc3\xa9\xc3\xa8" "ABCDEFGHIJKLMNOP";
  g_autoptr (TavrelModelDataValueString) changed = tavrel_model_data_value_string_new ("");
  for (size_t length = 0; length <= 40; length++) {
    std::string text = alphabet.substr (0, length);
    SCOPED_TRACE (length);
    g_autoptr (TavrelModelDataValueJson) made = tavrel_model_data_value_json_new (text.c_str ());
    EXPECT_EQ (text, tavrel_model_data_value_string_get_itsvalue (TAVREL_MODEL_DATA_VALUE_STRING (made)));
    EXPECT_EQ (text, render (made));
    g_autoptr (TavrelModelDataValueObject) copy = tavrel_model_data_value_object_clone (as_value (made));
    EXPECT_EQ (text, render (copy));

    /* From the previous length's text to this one, then to its own tail. */
    tavrel_model_data_value_string_set_itsvalue (changed, text.c_str ());
    EXPECT_EQ (text, tavrel_model_data_value_string_get_itsvalue (changed));
    if (length > 0) {
      tavrel_model_data_value_string_set_itsvalue (changed, tavrel_model_data_value_string_get_itsvalue (changed) + 1);
      EXPECT_EQ (text.substr (1), tavrel_model_data_value_string_get_itsvalue (changed));
    }
    g_object_set (changed, "itsvalue", text.c_str (), nullptr);
    g_autofree gchar *read = nullptr;
    g_object_get (changed, "itsvalue", &read, nullptr);
    EXPECT_EQ (text, read);
    tavrel_model_data_value_string_set_itsvalue (changed, nullptr);
    EXPECT_EQ (nullptr, tavrel_model_data_value_string_get_itsvalue (changed));
    tavrel_model_data_value_string_set_itsvalue (changed, text.c_str ());
  }
}

TEST_F (Text, ClonesKeepClassAndText)
{
  g_autoptr (TavrelModelDataValueString) text = tavrel_model_data_value_string_new ("t");
  g_autoptr (TavrelModelDataValueXml) xml = tavrel_model_data_value_xml_new ("<a/>");
  g_autoptr (TavrelModelDataValueJson) json = tavrel_model_data_value_json_new ("[1]");
  g_autoptr (TavrelModelDataValueUuid) uuid = tavrel_model_data_value_uuid_new ();
  g_autoptr (TavrelModelDataValueUtf16) wide = tavrel_model_data_value_utf16_new_string ("wide \xF0\x9F\x98\x80");
  for (gpointer value : {gpointer (text), gpointer (xml), gpointer (json), gpointer (uuid), gpointer (wide)}) {
    SCOPED_TRACE (G_OBJECT_TYPE_NAME (value));
    TavrelModelDataValueObject *copy = tavrel_model_data_value_object_clone (as_value (value));
    ASSERT_NE (nullptr, copy);
    Watch watch (copy);
    EXPECT_NE (value, copy);
    EXPECT_EQ (G_OBJECT_TYPE (value), G_OBJECT_TYPE (copy));
    EXPECT_EQ (render (value), render (copy));
    if (value == wide) {
      EXPECT_NE (tavrel_model_data_value_utf16_get_itsvalue (wide),
                 tavrel_model_data_value_utf16_get_itsvalue (TAVREL_MODEL_DATA_VALUE_UTF16 (copy)));
    }
    g_object_unref (copy);
    EXPECT_TRUE (watch.finalized ());
  }
}

TEST_F (Text, FreshUuidsAreRandomVersionFour)
{
  g_autoptr (TavrelModelDataValueUuid) first = tavrel_model_data_value_uuid_new ();
  g_autoptr (TavrelModelDataValueUuid) second = tavrel_model_data_value_uuid_new ();
  std::string text = render (first);
  ASSERT_EQ (36u, text.size ());
  for (size_t i = 0; i < text.size (); i++) {
    if (i == 8 || i == 13 || i == 18 || i == 23)
      EXPECT_EQ ('-', text[i]) << text;
    else
      EXPECT_TRUE (g_ascii_isxdigit (text[i]) && !g_ascii_isupper (text[i])) << text;
  }
  EXPECT_EQ ('4', text[14]) << text;
  EXPECT_NE (std::string::npos, std::string ("89ab").find (text[19])) << text;
  EXPECT_NE (text, render (second));
}

TEST_F (Text, Utf16BufferOwnershipAndRendering)
{
  const char *sample = "abc \xC3\xA9 \xF0\x9F\x98\x80";
  g_autoptr (TavrelModelDataValueUtf16) wide = tavrel_model_data_value_utf16_new_string (sample);
  EXPECT_EQ (sample, render (wide));
  EXPECT_EQ (0xD83D, tavrel_model_data_value_utf16_get_itsvalue (wide)[6]) << "a surrogate pair";

  /* new adopts the very buffer; handing it back must not free it. */
  gunichar2 *given = g_utf8_to_utf16 ("abc", -1, nullptr, nullptr, nullptr);
  TavrelModelDataValueUtf16 *adopted = tavrel_model_data_value_utf16_new (given);
  Watch watch (adopted);
  EXPECT_EQ (given, tavrel_model_data_value_utf16_get_itsvalue (adopted));
  {
    NotifyCounter notified (adopted, "itsvalue");
    tavrel_model_data_value_utf16_set_itsvalue (adopted, given);
    g_object_set (adopted, "itsvalue", given, nullptr);
    EXPECT_EQ (2, notified.count ());
  }
  g_auto (GValue) generic = G_VALUE_INIT;
  tavrel_model_data_value_object_to_value (as_value (adopted), &generic);
  EXPECT_STREQ ("abc", g_value_get_string (&generic));

  /* A lone surrogate is no UTF-16: nothing to show, nothing logged. */
  gunichar2 *broken = g_new0 (gunichar2, 3);
  broken[0] = 'a';
  broken[1] = 0xD800;
  tavrel_model_data_value_utf16_set_itsvalue (adopted, broken);
  EXPECT_EQ (nullptr, tavrel_model_data_value_object_to_string (as_value (adopted)));
  EXPECT_EQ (nullptr, tavrel_model_data_value_object_clone (as_value (adopted)));
  expect_critical (critical_text ("tavrel_model_data_value_utf16_construct_string", "text != NULL"));

  tavrel_model_data_value_utf16_set_itsvalue (adopted, nullptr);
  EXPECT_EQ (nullptr, tavrel_model_data_value_object_to_string (as_value (adopted)));
  expect_critical (critical_text ("string16_to_string", "self != NULL"));
  g_object_unref (adopted);
  EXPECT_TRUE (watch.finalized ());

  /* Text that is not UTF-8 yields a value without a buffer. */
  g_autoptr (TavrelModelDataValueUtf16) invalid = tavrel_model_data_value_utf16_new_string ("\xFF\xFE");
  ASSERT_NE (nullptr, invalid);
  EXPECT_EQ (nullptr, tavrel_model_data_value_utf16_get_itsvalue (invalid));
}

/* ---- load ------------------------------------------------------------------ */

TEST_F (TextFiles, LoadEndsEveryLineWithALineFeed)
{
  EXPECT_EQ ("a\nb\n", loaded ("a\nb"));
  EXPECT_EQ ("a\nb\n", loaded ("a\nb\n"));
  EXPECT_EQ ("", loaded (""));
  EXPECT_EQ ("\n\n", loaded ("\n\n"));
  /* Only a line feed ends a line: carriage returns stay. */
  EXPECT_EQ ("x\r\ny\r\n", loaded ("x\r\ny\r\n"));
  EXPECT_EQ ("lone\rreturn\n", loaded ("lone\rreturn"));
  std::string lines;
  while (lines.size () < 5000)
    lines += "line " + std::to_string (lines.size ()) + "\n";
  EXPECT_EQ (lines, loaded (lines));
}

TEST_F (TextFiles, LoadFailuresLeaveTheText)
{
  g_autoptr (TavrelModelDataValueXml) value = tavrel_model_data_value_xml_new ("<kept/>");
  put ("plain", "x");
  for (const std::string &where : {path ("missing"), path ("no-folder/file"), path ("plain/below")}) {
    Error error = load (value, where);
    EXPECT_EQ (nullptr, error.get ()) << where << ": no file is no error, " << error->message;
  }
  Error folder = load (value, dir_);
  ASSERT_NE (nullptr, folder.get ());
  EXPECT_TRUE (g_error_matches (folder.get (), G_IO_ERROR, G_IO_ERROR_IS_DIRECTORY)) << folder->message;
  EXPECT_EQ ("<kept/>", render (value));

  /* Opens fine, fails on the first read: address zero is never mapped. */
  g_autoptr (GFile) memory = g_file_new_for_path ("/proc/self/mem");
  g_autoptr (GFileInputStream) probe = g_file_read (memory, nullptr, nullptr);
  if (!probe)
    GTEST_SKIP () << "/proc/self/mem cannot be opened here; no file that fails on reading";
  Error unreadable = load (value, "/proc/self/mem");
  ASSERT_NE (nullptr, unreadable.get ());
  EXPECT_EQ (G_IO_ERROR, unreadable->domain) << unreadable->message;
  EXPECT_EQ ("<kept/>", render (value));
}

TEST_F (TextFiles, TaskKeepsTheValueAlive)
{
  put ("in", "kept alive\n");
  TavrelModelDataValueString *value = tavrel_model_data_value_string_new ("");
  Watch watch (value);
  Completion done;
  tavrel_model_data_value_string_load (value, path ("in").c_str (), on_done, &done);
  g_object_unref (value);
  wait (done);
  ASSERT_FALSE (watch.finalized ());
  auto *source = TAVREL_MODEL_DATA_VALUE_STRING (done.source);
  tavrel_model_data_value_string_load_finish (source, done.result, nullptr);
  EXPECT_STREQ ("kept alive\n", tavrel_model_data_value_string_get_itsvalue (source));
  g_clear_object (&done.result);
  drain ();
  EXPECT_TRUE (watch.finalized ());
}

TEST_F (TextFiles, ArgumentChecks)
{
  g_autoptr (TavrelModelDataValueString) value = tavrel_model_data_value_string_new ("v");
  g_autoptr (TavrelModelDataValueUtf16) wide = tavrel_model_data_value_utf16_new_string ("w");
  Completion never;
  tavrel_model_data_value_string_load (nullptr, "f", on_done, &never);
  expect_critical (critical_text ("tavrel_model_data_value_string_load", "self != NULL"));
  tavrel_model_data_value_string_load (reinterpret_cast<TavrelModelDataValueString *> (wide), "f", on_done, &never);
  expect_critical (critical_text ("tavrel_model_data_value_string_load", "TAVREL_MODEL_DATA_IS_VALUE_STRING (self)"));
  tavrel_model_data_value_string_save (value, nullptr, on_done, &never);
  expect_critical (critical_text ("tavrel_model_data_value_string_save", "filename != NULL"));
  drain ();
  EXPECT_EQ (0, never.calls) << "a refused call starts nothing";

  /* A result goes back only to the call, and the value, that started it. */
  put ("in", "x");
  Completion done;
  tavrel_model_data_value_string_load (value, path ("in").c_str (), on_done, &done);
  wait (done);
  GError *error = nullptr;
  tavrel_model_data_value_string_save_finish (value, done.result, &error);
  expect_critical (critical_text ("tavrel_model_data_value_string_save_finish",
                             "g_async_result_is_tagged (res, tavrel_model_data_value_string_save)"));
  g_autoptr (TavrelModelDataValueString) other = tavrel_model_data_value_string_new ("o");
  tavrel_model_data_value_string_load_finish (other, done.result, &error);
  expect_critical (critical_text ("tavrel_model_data_value_string_load_finish", "g_task_is_valid (res, self)"));
  tavrel_model_data_value_string_load_finish (value, nullptr, &error);
  expect_critical (critical_text ("tavrel_model_data_value_string_load_finish", "res != NULL"));
  tavrel_model_data_value_string_load_finish (value, done.result, &error);
  EXPECT_EQ (nullptr, error);
  EXPECT_EQ ("x\n", render (value));
}

/* ---- save ------------------------------------------------------------------ */

TEST_F (TextFiles, SaveWritesExactlyTheTextHeldAtTheCall)
{
  std::string lines;
  while (lines.size () < 2500)
    lines += "r\xC3\xA9sum\xC3\xA9\r\n";
  g_autoptr (TavrelModelDataValueJson) json = tavrel_model_data_value_json_new (lines.c_str ());
  auto *value = TAVREL_MODEL_DATA_VALUE_STRING (json);
  EXPECT_EQ (nullptr, save (value, path ("out")).get ());
  EXPECT_EQ (lines, contents ("out")) << "no byte-order mark, no added line end";
  g_autoptr (TavrelModelDataValueString) back = tavrel_model_data_value_string_new ("");
  EXPECT_EQ (nullptr, load (back, path ("out")).get ());
  EXPECT_EQ (lines, tavrel_model_data_value_string_get_itsvalue (back));

  /* "" truncates; a change right after the call does not reach the file. */
  tavrel_model_data_value_string_set_itsvalue (value, "");
  Completion done;
  tavrel_model_data_value_string_save (value, path ("out").c_str (), on_done, &done);
  tavrel_model_data_value_string_set_itsvalue (value, "changed later");
  wait (done);
  tavrel_model_data_value_string_save_finish (value, done.result, nullptr);
  EXPECT_EQ ("", contents ("out"));

  /* A null text saves as nothing, after a word. */
  put ("out", "previous");
  tavrel_model_data_value_string_set_itsvalue (value, nullptr);
  Completion null_done;
  tavrel_model_data_value_string_save (value, path ("out").c_str (), on_done, &null_done);
  expect_critical (critical_text ("string_get_data", "self != NULL"));
  wait (null_done);
  EXPECT_EQ ("", contents ("out"));
  EXPECT_EQ ((std::set<std::string>{"out"}), names ());
}

TEST_F (TextFiles, SaveFailuresReportAndKeepWhatWasThere)
{
  g_autoptr (TavrelModelDataValueString) value = tavrel_model_data_value_string_new (std::string (2500, 'n').c_str ());
  Error missing = save (value, path ("no-folder/out"));
  ASSERT_NE (nullptr, missing.get ());
  EXPECT_TRUE (g_error_matches (missing.get (), G_IO_ERROR, G_IO_ERROR_NOT_FOUND)) << missing->message;
  for (const std::string &where : {std::string ("/dev/full"), std::string (dir_)}) {
    Error error = save (value, where);
    ASSERT_NE (nullptr, error.get ()) << where;
    EXPECT_EQ (G_IO_ERROR, error->domain) << error->message;
  }

  /* A write failing half-way, as on a full disk, must not cost the
   * previous file: the size limit lets the first write through in part
   * and fails the next one. */
  put ("keep", "previous contents");
  Error failed;
  {
    FileSizeLimit limit (1000);
    if (!limit.active ())
      GTEST_SKIP () << "the file size limit cannot be lowered here";
    failed = save (value, path ("keep"));
  }
  ASSERT_NE (nullptr, failed.get ());
  EXPECT_EQ (G_IO_ERROR, failed->domain) << failed->message;
  EXPECT_EQ ("previous contents", contents ("keep"));
  EXPECT_EQ ((std::set<std::string>{"keep"}), names ()) << "the temporary file was left behind";
  EXPECT_EQ (std::string (2500, 'n'), render (value));
}

/* ---- the piece writer ------------------------------------------------------- */

TEST_F (TextFiles, PiecesOfAtMost1024BytesAdvancingByWhatWasTaken)
{
  auto write = [this] (Recording &record, size_t size) {
    g_autoptr (GOutputStream) stream = recording_stream (record);
    std::string data;
    for (size_t i = 0; i < size; i++)
      data += char ('a' + i % 26);
    g_autoptr (GBytes) bytes = g_bytes_new (data.data (), data.size ());
    Completion done;
    lm::file::write_pieces_async (stream, bytes, on_done, &done);
    wait (done);
    GError *error = nullptr;
    lm::file::write_pieces_finish (stream, done.result, &error);
    if (!error) {
      EXPECT_EQ (data, record.received);
    }
    return error_of (error);
  };

  Recording record;
  EXPECT_EQ (nullptr, write (record, 2500).get ());
  EXPECT_EQ ((std::vector<gsize>{1024, 1024, 452}), record.requests);
  Recording exact;
  write (exact, 2048);
  EXPECT_EQ ((std::vector<gsize>{1024, 1024}), exact.requests);
  Recording nothing;
  EXPECT_EQ (nullptr, write (nothing, 0).get ());
  EXPECT_TRUE (nothing.requests.empty ());

  Recording short_writes;
  short_writes.most = 700;
  EXPECT_EQ (nullptr, write (short_writes, 2500).get ());
  EXPECT_EQ ((std::vector<gsize>{1024, 1024, 1024, 400}), short_writes.requests);

  /* A stream that takes nothing ends the write instead of spinning. */
  Recording stuck;
  stuck.most = 0;
  EXPECT_NE (nullptr, write (stuck, 2500).get ());
  EXPECT_EQ (1u, stuck.requests.size ());
  Recording failing;
  failing.failure = Recording::Failure{G_IO_ERROR_NO_SPACE, "full"};
  Error failed = write (failing, 2500);
  ASSERT_NE (nullptr, failed.get ());
  EXPECT_TRUE (g_error_matches (failed.get (), G_IO_ERROR, G_IO_ERROR_NO_SPACE));
}
