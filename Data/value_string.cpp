/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Text values.  ValueString holds UTF-8 text; ValueXml, ValueJson and
 * ValueUuid share its state and differ only in kind and name (their text is
 * not checked against the kind).  ValueUtf16 owns a zero-terminated UTF-16
 * buffer and renders it as UTF-8 each time it is asked.  ValueString and its
 * three kinds load their text from a file line by line and save it whole.
 */

#include "Data/value_file.h"
#include "Data/value_object.h"

#include "Support/check.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"

#include <cstring>

/* ---- ValueString ---------------------------------------------------------- */

namespace {

/*
 * The text of a string value: an owned, nullable UTF-8 string like
 * lm::String, kept in the value itself when it is short.  A value's private
 * state is padded to 16 bytes anyway, so the 15 bytes of a short text and
 * their terminator cost nothing, while most cells a driver delivers (names,
 * codes, the "" of a fresh value) would otherwise cost an allocation when
 * they are made and a free when they go.  The last byte tells the forms
 * apart: 15 minus the length of a text kept inline (so the terminator of a
 * 15-byte text), or a mark for an allocated text or null.
 */
class Text {
 public:
  Text () noexcept { put_inline ("", 0); }
  Text (const Text &) = delete;
  Text &operator= (const Text &) = delete;
  ~Text () { release (); }

  const char *get () const noexcept
  {
    unsigned char tag = tag_ ();
    return tag <= inline_max ? u_.chars : tag == allocated ? u_.heap : nullptr;
  }
  char *dup () const { return g_strdup (get ()); }

  /* Stores a copy; the argument may point into the current text. */
  void set (const char *text)
  {
    Text copy;
    copy.copy_from (text);
    release ();
    u_ = copy.u_;
    copy.set_tag (null_mark);
  }

  /* Adopts an allocated string without copying it. */
  void take (char *text) noexcept
  {
    release ();
    set_heap (text);
  }

 private:
  static constexpr size_t inline_max = 15;
  static constexpr unsigned char allocated = 0xff, null_mark = 0xfe;

  unsigned char tag_ () const noexcept { return static_cast<unsigned char> (u_.chars[inline_max]); }
  void set_tag (unsigned char tag) noexcept { u_.chars[inline_max] = static_cast<char> (tag); }

  void put_inline (const char *text, size_t length) noexcept
  {
    memcpy (u_.chars, text, length);
    u_.chars[length] = '\0';
    set_tag (static_cast<unsigned char> (inline_max - length));
  }

  void set_heap (char *text) noexcept
  {
    if (!text) {
      set_tag (null_mark);
      return;
    }
    u_.heap = text;
    set_tag (allocated);
  }

  /* Into a Text that owns nothing. */
  void copy_from (const char *text)
  {
    size_t length = text ? strlen (text) : 0;
    if (text && length <= inline_max)
      put_inline (text, length);
    else
      set_heap (text ? static_cast<char *> (g_memdup2 (text, length + 1)) : nullptr);
  }

  void release () noexcept
  {
    if (tag_ () == allocated)
      g_free (u_.heap);
    set_tag (null_mark);
  }

  union {
    char *heap;
    char chars[inline_max + 1];
  } u_;
};

}  // namespace

namespace lm {

/* Text behind a string property, as FieldOps<String> does for lm::String. */
template <>
struct FieldOps<Text> {
  using arg = const char *;
  static const char *read (const Text &field) noexcept { return field.get (); }
  static bool store (Text &field, const char *value, Notify rule)
  {
    if (rule != Notify::EVERY_CALL && g_strcmp0 (field.get (), value) == 0)
      return false;
    field.set (value);
    return true;
  }
  static void to_gvalue (GValue *value, const Text &field) { g_value_set_string (value, field.get ()); }
  static const char *from_gvalue (const GValue *value) { return g_value_get_string (value); }
};

}  // namespace lm

struct TavrelModelDataValueStringPrivate {
  Text itsvalue;
};

static_assert (sizeof (TavrelModelDataValueStringPrivate) == 16, "a string value's text fits GObject's padding");

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelDataValueString, tavrel_model_data_value_string,
                            TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelDataValueString, tavrel_model_data_value_string, TavrelModelDataValueStringPrivate)

using StringPriv = TavrelModelDataValueStringPrivate;

/* Class operations only ever see instances of ValueString or a subclass. */
static inline Text &
text_of (gpointer self)
{
  return lm::priv (static_cast<TavrelModelDataValueString *> (self))->itsvalue;
}

static inline TavrelModelDataValueObject *
as_value (gpointer value)
{
  return static_cast<TavrelModelDataValueObject *> (value);
}

template <class T>
static T *
string_build (GType object_type, const gchar *text)
{
  T *self = lm::value::instantiate<T> (object_type);
  text_of (self).set (text);
  return self;
}

static constexpr lm::Property value_string_properties[] = {
    lm::value::name_property,
    lm::field<&StringPriv::itsvalue> (
        [] { return g_param_spec_string ("itsvalue", nullptr, nullptr, "", lm::RW); }, lm::Notify::EVERY_CALL),
    lm::value::data_type_property,
};

static void
tavrel_model_data_value_string_class_init (TavrelModelDataValueStringClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_value_string_finalize;
  value_klass->to_value = [] (TavrelModelDataValueObject *self, GValue *result) {
    g_value_init (result, G_TYPE_STRING);
    g_value_set_string (result, text_of (self).get ());
  };
  value_klass->to_string = [] (TavrelModelDataValueObject *self) { return text_of (self).dup (); };
  /* A null text makes the constructor refuse, and so the copy. */
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    return as_value (tavrel_model_data_value_string_construct (TAVREL_MODEL_DATA_TYPE_VALUE_STRING, text_of (self).get ()));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "string"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_STRING; };
  lm::install_properties<value_string_properties> (G_OBJECT_CLASS (klass));
}

extern "C" TavrelModelDataValueString *
tavrel_model_data_value_string_new (const gchar *text) noexcept
{
  LM_RETURN_VAL_IF_FAIL (text != NULL, NULL);
  return string_build<TavrelModelDataValueString> (TAVREL_MODEL_DATA_TYPE_VALUE_STRING, text);
}

extern "C" TavrelModelDataValueString *
tavrel_model_data_value_string_construct (GType object_type, const gchar *text) noexcept
{
  LM_RETURN_VAL_IF_FAIL (text != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_STRING), NULL);
  return string_build<TavrelModelDataValueString> (object_type, text);
}

#define SELF tavrel_model_data_value_string, TavrelModelDataValueString, TAVREL_MODEL_DATA_IS_VALUE_STRING
LM_ACCESSORS (SELF, itsvalue, const gchar *, NULL)
#undef SELF

namespace {

/* Reads line by line: a line ends at a line feed only, so a carriage
 * return before it stays part of the line, and every line read (also a
 * last one without a line feed) is kept followed by one. */
struct TextLoad : lm::file::Load {
  lm::Ref<GDataInputStream> lines;
  GString *text = g_string_new ("");
  goffset size = 0;

  ~TextLoad () override
  {
    if (text)
      g_string_free (text, TRUE);
  }

  void read (GTask *task, GFileInputStream *stream) override
  {
    /* The size as the system reports it, not by seeking to the end: files
     * the kernel makes up refuse that, and read as text all the same (they
     * report a size of 0, which any reading reaches). */
    GError *error = nullptr;
    g_autoptr (GFileInfo) info = g_file_input_stream_query_info (stream, G_FILE_ATTRIBUTE_STANDARD_SIZE, nullptr, &error);
    if (!info) {
      lm::file::fail (task, error);
      return;
    }
    size = g_file_info_get_size (info);
    lines.take (g_data_input_stream_new (G_INPUT_STREAM (stream)));
    g_data_input_stream_set_newline_type (lines.get (), G_DATA_STREAM_NEWLINE_TYPE_LF);
    read_line (task);
  }

  void commit (GObject *value) override
  {
    /* Directly: a load is no edit, so observers of itsvalue hear nothing. */
    text_of (value).take (g_string_free (std::exchange (text, nullptr), FALSE));
  }

  void read_line (GTask *task)
  {
    g_data_input_stream_read_line_async (lines.get (), G_PRIORITY_DEFAULT, nullptr, on_line, task);
  }

  static void on_line (GObject *stream, GAsyncResult *result, gpointer data)
  {
    GTask *task = G_TASK (data);
    TextLoad &job = lm::file::job_of<TextLoad> (task);
    GError *error = nullptr;
    g_autofree char *line = g_data_input_stream_read_line_finish (G_DATA_INPUT_STREAM (stream), result, nullptr, &error);
    if (error) {
      lm::file::fail (task, error);
      return;
    }
    if (!line) {
      /* All the file's bytes have passed through the line reader by now. */
      GInputStream *file = g_filter_input_stream_get_base_stream (G_FILTER_INPUT_STREAM (job.lines.get ()));
      goffset read = g_seekable_tell (G_SEEKABLE (file));
      if (read < job.size) {
        lm::file::fail (task, lm::file::shrank (job.filename.get (), read, job.size));
        return;
      }
      lm::file::close_and_commit (task, G_INPUT_STREAM (job.lines.get ()));
      return;
    }
    /* A zero byte inside a line ends what the line contributes. */
    g_string_append (job.text, line);
    g_string_append_c (job.text, '\n');
    lm::file::OnTaskContext scope (task);
    job.read_line (task);
  }
};

}  // namespace

extern "C" void
tavrel_model_data_value_string_load (TavrelModelDataValueString *self, const gchar *filename,
                                     GAsyncReadyCallback callback, gpointer user_data) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_STRING (self));
  LM_RETURN_IF_FAIL (filename != NULL);
  lm::file::load (self, filename, new TextLoad (), LM_FILE_TAG (tavrel_model_data_value_string_load),
                  callback, user_data);
}

extern "C" void
tavrel_model_data_value_string_load_finish (TavrelModelDataValueString *self, GAsyncResult *res,
                                            GError **error) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_STRING (self));
  LM_FILE_CHECK_RESULT (tavrel_model_data_value_string_load);
  lm::file::propagate (res, error);
}

/* The bytes are taken when save is called: what is written is the text the
 * caller saw, whatever happens to the value while the file opens. */
static GBytes *
string_get_data (TavrelModelDataValueString *self)
{
  const char *text = text_of (self).get ();
  if (!text) {
    lm::fail ("string_get_data", "self != NULL");
    return g_bytes_new (nullptr, 0);
  }
  return g_bytes_new (text, strlen (text));
}

extern "C" void
tavrel_model_data_value_string_save (TavrelModelDataValueString *self, const gchar *filename,
                                     GAsyncReadyCallback callback, gpointer user_data) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_STRING (self));
  LM_RETURN_IF_FAIL (filename != NULL);
  lm::file::save (self, filename, string_get_data (self), LM_FILE_TAG (tavrel_model_data_value_string_save),
                  callback, user_data);
}

extern "C" void
tavrel_model_data_value_string_save_finish (TavrelModelDataValueString *self, GAsyncResult *res,
                                            GError **error) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_STRING (self));
  LM_FILE_CHECK_RESULT (tavrel_model_data_value_string_save);
  lm::file::propagate (res, error);
}

/* ---- ValueXml, ValueJson, ValueUuid ---------------------------------------- */

/* Each kind installs name and data-type again beside the inherited itsvalue. */
static constexpr lm::Property value_string_kind_properties[] = {
    lm::value::name_property,
    lm::value::data_type_property,
};

G_DEFINE_TYPE (TavrelModelDataValueXml, tavrel_model_data_value_xml, TAVREL_MODEL_DATA_TYPE_VALUE_STRING)

static void
tavrel_model_data_value_xml_class_init (TavrelModelDataValueXmlClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    return as_value (tavrel_model_data_value_xml_construct (TAVREL_MODEL_DATA_TYPE_VALUE_XML, text_of (self).get ()));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "xml"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_XML; };
  lm::install_properties<value_string_kind_properties> (G_OBJECT_CLASS (klass));
}

static void
tavrel_model_data_value_xml_init (TavrelModelDataValueXml *)
{
}

extern "C" TavrelModelDataValueXml *
tavrel_model_data_value_xml_new (const gchar *text) noexcept
{
  LM_RETURN_VAL_IF_FAIL (text != NULL, NULL);
  return string_build<TavrelModelDataValueXml> (TAVREL_MODEL_DATA_TYPE_VALUE_XML, text);
}

extern "C" TavrelModelDataValueXml *
tavrel_model_data_value_xml_construct (GType object_type, const gchar *text) noexcept
{
  LM_RETURN_VAL_IF_FAIL (text != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_XML), NULL);
  return string_build<TavrelModelDataValueXml> (object_type, text);
}

G_DEFINE_TYPE (TavrelModelDataValueJson, tavrel_model_data_value_json, TAVREL_MODEL_DATA_TYPE_VALUE_STRING)

static void
tavrel_model_data_value_json_class_init (TavrelModelDataValueJsonClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    return as_value (tavrel_model_data_value_json_construct (TAVREL_MODEL_DATA_TYPE_VALUE_JSON, text_of (self).get ()));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "json"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_JSON; };
  lm::install_properties<value_string_kind_properties> (G_OBJECT_CLASS (klass));
}

static void
tavrel_model_data_value_json_init (TavrelModelDataValueJson *)
{
}

extern "C" TavrelModelDataValueJson *
tavrel_model_data_value_json_new (const gchar *text) noexcept
{
  LM_RETURN_VAL_IF_FAIL (text != NULL, NULL);
  return string_build<TavrelModelDataValueJson> (TAVREL_MODEL_DATA_TYPE_VALUE_JSON, text);
}

extern "C" TavrelModelDataValueJson *
tavrel_model_data_value_json_construct (GType object_type, const gchar *text) noexcept
{
  LM_RETURN_VAL_IF_FAIL (text != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_JSON), NULL);
  return string_build<TavrelModelDataValueJson> (object_type, text);
}

G_DEFINE_TYPE (TavrelModelDataValueUuid, tavrel_model_data_value_uuid, TAVREL_MODEL_DATA_TYPE_VALUE_STRING)

static void
tavrel_model_data_value_uuid_class_init (TavrelModelDataValueUuidClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  /* The copy keeps the identifier; it never draws a new one. */
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    return as_value (tavrel_model_data_value_uuid_construct_uuid (TAVREL_MODEL_DATA_TYPE_VALUE_UUID, text_of (self).get ()));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "uuid"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_UUID; };
  lm::install_properties<value_string_kind_properties> (G_OBJECT_CLASS (klass));
}

static void
tavrel_model_data_value_uuid_init (TavrelModelDataValueUuid *)
{
}

static TavrelModelDataValueUuid *
uuid_build_random (GType object_type)
{
  auto *self = lm::value::instantiate<TavrelModelDataValueUuid> (object_type);
  text_of (self).take (g_uuid_string_random ());
  return self;
}

extern "C" TavrelModelDataValueUuid *
tavrel_model_data_value_uuid_new (void) noexcept
{
  return uuid_build_random (TAVREL_MODEL_DATA_TYPE_VALUE_UUID);
}

extern "C" TavrelModelDataValueUuid *
tavrel_model_data_value_uuid_construct (GType object_type) noexcept
{
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_UUID), NULL);
  return uuid_build_random (object_type);
}

extern "C" TavrelModelDataValueUuid *
tavrel_model_data_value_uuid_new_uuid (const gchar *uuid) noexcept
{
  LM_RETURN_VAL_IF_FAIL (uuid != NULL, NULL);
  return string_build<TavrelModelDataValueUuid> (TAVREL_MODEL_DATA_TYPE_VALUE_UUID, uuid);
}

extern "C" TavrelModelDataValueUuid *
tavrel_model_data_value_uuid_construct_uuid (GType object_type, const gchar *uuid) noexcept
{
  LM_RETURN_VAL_IF_FAIL (uuid != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_UUID), NULL);
  return string_build<TavrelModelDataValueUuid> (object_type, uuid);
}

/* ---- ValueUtf16 ------------------------------------------------------------ */

namespace {

/* An owned, g_malloc'ed buffer of UTF-16 code units, or null. */
class Utf16Units {
 public:
  Utf16Units () noexcept = default;
  Utf16Units (const Utf16Units &) = delete;
  Utf16Units &operator= (const Utf16Units &) = delete;
  ~Utf16Units () { g_free (units_); }

  gunichar2 *get () const noexcept { return units_; }

  /* Adopts the buffer; handing back the one already held keeps it. */
  void take (gunichar2 *units) noexcept
  {
    if (units == units_)
      return;
    g_free (std::exchange (units_, units));
  }

 private:
  gunichar2 *units_ = nullptr;
};

}  // namespace

struct TavrelModelDataValueUtf16Private {
  Utf16Units itsvalue;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelDataValueUtf16, tavrel_model_data_value_utf16,
                            TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelDataValueUtf16, tavrel_model_data_value_utf16, TavrelModelDataValueUtf16Private)

static inline Utf16Units &
units_of (gpointer self)
{
  return lm::priv (static_cast<TavrelModelDataValueUtf16 *> (self))->itsvalue;
}

/* Null for a buffer that is not valid UTF-16, without a word: a cell of
 * broken text shows as nothing rather than flooding the log. */
static gchar *
string16_to_string (const gunichar2 *units)
{
  if (!units) {
    lm::fail ("string16_to_string", "self != NULL");
    return nullptr;
  }
  return g_utf16_to_utf8 (units, -1, nullptr, nullptr, nullptr);
}

static GParamSpec *utf16_itsvalue_pspec = nullptr;

/* The one path by which the buffer changes: setter and property alike. */
static void
utf16_assign (TavrelModelDataValueUtf16 *self, gunichar2 *units)
{
  units_of (self).take (units);
  g_object_notify_by_pspec (G_OBJECT (self), utf16_itsvalue_pspec);
}

static constexpr lm::Property value_utf16_properties[] = {
    lm::value::name_property,
    lm::computed ([] { return g_param_spec_pointer ("itsvalue", nullptr, nullptr, lm::RW); },
                  [] (GObject *object, GValue *value) { g_value_set_pointer (value, units_of (object).get ()); },
                  [] (GObject *object, const GValue *value) {
                    utf16_assign (TAVREL_MODEL_DATA_VALUE_UTF16 (object), static_cast<gunichar2 *> (g_value_get_pointer (value)));
                  },
                  &utf16_itsvalue_pspec),
    lm::value::data_type_property,
};

static void
tavrel_model_data_value_utf16_class_init (TavrelModelDataValueUtf16Class *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_value_utf16_finalize;
  value_klass->to_value = [] (TavrelModelDataValueObject *self, GValue *result) {
    g_value_init (result, G_TYPE_STRING);
    g_value_take_string (result, string16_to_string (units_of (self).get ()));
  };
  value_klass->to_string = [] (TavrelModelDataValueObject *self) { return string16_to_string (units_of (self).get ()); };
  /* The copy owns a buffer of its own, converted back from the rendering. */
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    g_autofree gchar *text = string16_to_string (units_of (self).get ());
    return as_value (tavrel_model_data_value_utf16_construct_string (TAVREL_MODEL_DATA_TYPE_VALUE_UTF16, text));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "wstring"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_WSTRING; };
  lm::install_properties<value_utf16_properties> (G_OBJECT_CLASS (klass));
}

static TavrelModelDataValueUtf16 *
utf16_build (GType object_type, gunichar2 *adopted)
{
  auto *self = lm::value::instantiate<TavrelModelDataValueUtf16> (object_type);
  units_of (self).take (adopted);
  return self;
}

/* The buffer is the caller's gift whatever happens: refused, it is freed. */
extern "C" TavrelModelDataValueUtf16 *
tavrel_model_data_value_utf16_new (gunichar2 *text) noexcept
{
  LM_RETURN_VAL_IF_FAIL (text != NULL, NULL);
  return utf16_build (TAVREL_MODEL_DATA_TYPE_VALUE_UTF16, text);
}

extern "C" TavrelModelDataValueUtf16 *
tavrel_model_data_value_utf16_construct (GType object_type, gunichar2 *text) noexcept
{
  LM_RETURN_VAL_IF_FAIL (text != NULL, NULL);
  if (!g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_UTF16))
    g_free (text);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_UTF16), NULL);
  return utf16_build (object_type, text);
}

extern "C" TavrelModelDataValueUtf16 *
tavrel_model_data_value_utf16_new_string (const gchar *text) noexcept
{
  LM_RETURN_VAL_IF_FAIL (text != NULL, NULL);
  return tavrel_model_data_value_utf16_construct_string (TAVREL_MODEL_DATA_TYPE_VALUE_UTF16, text);
}

/* Text that is not UTF-8 gives a value without a buffer. */
extern "C" TavrelModelDataValueUtf16 *
tavrel_model_data_value_utf16_construct_string (GType object_type, const gchar *text) noexcept
{
  LM_RETURN_VAL_IF_FAIL (text != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_UTF16), NULL);
  return utf16_build (object_type, g_utf8_to_utf16 (text, -1, nullptr, nullptr, nullptr));
}

extern "C" gunichar2 *
tavrel_model_data_value_utf16_get_itsvalue (TavrelModelDataValueUtf16 *self) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_UTF16 (self), NULL);
  return units_of (self).get ();
}

extern "C" void
tavrel_model_data_value_utf16_set_itsvalue (TavrelModelDataValueUtf16 *self, gunichar2 *value) noexcept
{
  if (!self || !TAVREL_MODEL_DATA_IS_VALUE_UTF16 (self))
    g_free (value);
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_UTF16 (self));
  utf16_assign (self, value);
}
