/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Binary values: uninterpreted bytes in one GBytes reference.  ValueBlob
 * shares ValueBinary's state and differs in kind, name and the class of its
 * copies.  Bytes render as text when what comes before the first zero byte
 * is UTF-8 (a buffer filled from a C string renders as that string), as
 * hexadecimal otherwise.
 */

#include "Data/value_file.h"
#include "Data/value_object.h"

#include "Support/check.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"

#include <cstring>

struct TavrelModelDataValueBinaryPrivate {
  lm::Bytes itsvalue;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelDataValueBinary, tavrel_model_data_value_binary,
                            TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelDataValueBinary, tavrel_model_data_value_binary, TavrelModelDataValueBinaryPrivate)

using BinaryPriv = TavrelModelDataValueBinaryPrivate;

/* Class operations only ever see instances of ValueBinary or a subclass. */
static inline lm::Bytes &
bytes_of (gpointer self)
{
  return lm::priv (static_cast<TavrelModelDataValueBinary *> (self))->itsvalue;
}

static inline TavrelModelDataValueObject *
as_value (gpointer value)
{
  return static_cast<TavrelModelDataValueObject *> (value);
}

/* ---- renderings ------------------------------------------------------------ */

static const guint8 *
data_of (GBytes *bytes, gsize *size)
{
  return static_cast<const guint8 *> (g_bytes_get_data (bytes, size));
}

/* The bytes before the first zero byte, as far as they are UTF-8. */
static bool
text_prefix (GBytes *bytes, gsize *length)
{
  gsize size = 0;
  const guint8 *data = data_of (bytes, &size);
  *length = 0;
  if (size == 0)
    return true;
  const void *zero = memchr (data, 0, size);
  *length = zero ? gsize (static_cast<const guint8 *> (zero) - data) : size;
  return g_utf8_validate_len (reinterpret_cast<const gchar *> (data), *length, nullptr);
}

static gchar *
hexadecimal (GBytes *bytes)
{
  static const char digits[] = "0123456789ABCDEF";
  gsize size = 0;
  const guint8 *data = data_of (bytes, &size);
  gchar *text = g_new (gchar, size * 2 + 1);
  for (gsize i = 0; i < size; i++) {
    text[2 * i] = digits[data[i] >> 4];
    text[2 * i + 1] = digits[data[i] & 0x0F];
  }
  text[2 * size] = '\0';
  return text;
}

static gchar *
binary_to_string (TavrelModelDataValueObject *self)
{
  GBytes *bytes = bytes_of (self).get ();
  if (!bytes) {
    lm::fail ("binary_to_string", "itsvalue != NULL");
    return g_strdup ("");
  }
  gsize length = 0;
  if (text_prefix (bytes, &length))
    return length ? g_strndup (static_cast<const gchar *> (g_bytes_get_data (bytes, nullptr)), length) : g_strdup ("");
  return hexadecimal (bytes);
}

/* ---- ValueBinary ------------------------------------------------------------ */

static constexpr lm::Property value_binary_properties[] = {
    lm::value::name_property,
    lm::field<&BinaryPriv::itsvalue> (
        [] { return g_param_spec_boxed ("itsvalue", nullptr, nullptr, G_TYPE_BYTES, lm::RW); }, lm::Notify::EVERY_CALL),
    lm::value::data_type_property,
};

/* A copy holds bytes of its own, or like its original none at all. */
static TavrelModelDataValueObject *
binary_copy (TavrelModelDataValueObject *self, GType object_type)
{
  auto *copy = lm::value::instantiate<TavrelModelDataValueBinary> (object_type);
  if (GBytes *bytes = bytes_of (self).get ()) {
    gsize size = 0;
    const guint8 *data = data_of (bytes, &size);
    bytes_of (copy).take (g_bytes_new (data, size));
  }
  return as_value (copy);
}

static void
tavrel_model_data_value_binary_class_init (TavrelModelDataValueBinaryClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_value_binary_finalize;
  value_klass->to_value = [] (TavrelModelDataValueObject *self, GValue *result) {
    g_value_init (result, G_TYPE_BYTES);
    g_value_set_boxed (result, bytes_of (self).get ());
  };
  value_klass->to_string = binary_to_string;
  value_klass->clone = [] (TavrelModelDataValueObject *self) { return binary_copy (self, TAVREL_MODEL_DATA_TYPE_VALUE_BINARY); };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "binary"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_BINARY; };
  lm::install_properties<value_binary_properties> (G_OBJECT_CLASS (klass));
}

template <class T>
static T *
binary_build (GType object_type, const guint8 *data, gint length)
{
  T *self = lm::value::instantiate<T> (object_type);
  bytes_of (self).take (g_bytes_new (data, gsize (length)));
  return self;
}

/* A negative length, or bytes promised behind a null pointer, would have
 * the copy read memory that is not there. */
#define CHECK_BYTES(neutral)                                   \
  LM_RETURN_VAL_IF_FAIL (length >= 0, neutral);                \
  LM_RETURN_VAL_IF_FAIL (data != NULL || length == 0, neutral)

extern "C" TavrelModelDataValueBinary *
tavrel_model_data_value_binary_new (const guint8 *data, gint length) noexcept
{
  CHECK_BYTES (NULL);
  return binary_build<TavrelModelDataValueBinary> (TAVREL_MODEL_DATA_TYPE_VALUE_BINARY, data, length);
}

extern "C" TavrelModelDataValueBinary *
tavrel_model_data_value_binary_construct (GType object_type, const guint8 *data, gint length) noexcept
{
  CHECK_BYTES (NULL);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_BINARY), NULL);
  return binary_build<TavrelModelDataValueBinary> (object_type, data, length);
}

#define CHECK_SELF(neutral)                       \
  LM_RETURN_VAL_IF_FAIL (self != NULL, neutral);  \
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_BINARY (self), neutral)

extern "C" guint8 *
tavrel_model_data_value_binary_to_bytes (TavrelModelDataValueBinary *self, gint *length) noexcept
{
  if (length)
    *length = 0;
  CHECK_SELF (NULL);
  GBytes *bytes = bytes_of (self).get ();
  gsize size = 0;
  const guint8 *data = bytes ? data_of (bytes, &size) : nullptr;
  if (size == 0)
    return nullptr;
  /* The count goes out as a 32-bit length: a larger buffer cannot be
   * described by it, and a truncated count would lose the rest unseen. */
  LM_RETURN_VAL_IF_FAIL_TEXT (size <= G_MAXINT, "size <= G_MAXINT", NULL);
  if (length)
    *length = gint (size);
  return static_cast<guint8 *> (g_memdup2 (data, size));
}

extern "C" gboolean
tavrel_model_data_value_binary_is_text (TavrelModelDataValueBinary *self) noexcept
{
  CHECK_SELF (FALSE);
  GBytes *bytes = bytes_of (self).get ();
  LM_RETURN_VAL_IF_FAIL_TEXT (bytes != nullptr, "itsvalue != NULL", FALSE);
  gsize length = 0;
  return text_prefix (bytes, &length);
}

extern "C" gchar *
tavrel_model_data_value_binary_to_hexadecimal (TavrelModelDataValueBinary *self) noexcept
{
  CHECK_SELF (NULL);
  GBytes *bytes = bytes_of (self).get ();
  LM_RETURN_VAL_IF_FAIL_TEXT (bytes != nullptr, "itsvalue != NULL", g_strdup (""));
  return hexadecimal (bytes);
}

/* All of the bytes reach the stream or an error says why not: a stream
 * may take fewer bytes than offered in one call. */
extern "C" void
tavrel_model_data_value_binary_write (TavrelModelDataValueBinary *self, GOutputStream *stream, GError **error) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_BINARY (self));
  LM_RETURN_IF_FAIL (stream != NULL);
  LM_RETURN_IF_FAIL (G_IS_OUTPUT_STREAM (stream));
  GBytes *bytes = bytes_of (self).get ();
  LM_RETURN_IF_FAIL_TEXT (bytes != nullptr, "itsvalue != NULL");
  gsize size = 0;
  const guint8 *data = data_of (bytes, &size);
  if (size)
    g_output_stream_write_all (stream, data, size, nullptr, nullptr, error);
}

namespace {

/* Sizes the file first and reads no further than that size: bytes a
 * writer appends while the load runs are not taken half-way. */
struct BinaryLoad : lm::file::Load {
  lm::Ref<GInputStream> stream;
  GByteArray *array = g_byte_array_new ();
  goffset size = 0;
  guint8 piece[lm::file::PIECE];

  ~BinaryLoad () override
  {
    if (array)
      g_byte_array_unref (array);
  }

  void read (GTask *task, GFileInputStream *opened) override
  {
    stream.assign (G_INPUT_STREAM (opened));
    GSeekable *seekable = G_SEEKABLE (opened);
    GError *error = nullptr;
    if (!g_seekable_seek (seekable, 0, G_SEEK_END, nullptr, &error)) {
      lm::file::fail (task, error);
      return;
    }
    size = g_seekable_tell (seekable);
    if (!g_seekable_seek (seekable, 0, G_SEEK_SET, nullptr, &error)) {
      lm::file::fail (task, error);
      return;
    }
    /* A byte array counts in 32 bits; refuse what it cannot hold rather
     * than abort the program half-way through. */
    if (size > goffset (G_MAXUINT - lm::file::PIECE)) {
      lm::file::fail (task, g_error_new (G_IO_ERROR, G_IO_ERROR_NO_SPACE,
                                         "The file is too large to be held as one value (%" G_GINT64_FORMAT " bytes)",
                                         gint64 (size)));
      return;
    }
    read_piece (task);
  }

  void commit (GObject *value) override
  {
    /* The buffer takes the array over; a load is no edit, so observers of
     * itsvalue hear nothing. */
    bytes_of (value).take (g_byte_array_free_to_bytes (std::exchange (array, nullptr)));
  }

  void read_piece (GTask *task)
  {
    g_input_stream_read_async (stream.get (), piece, sizeof piece, G_PRIORITY_DEFAULT, nullptr, on_piece, task);
  }

  static void on_piece (GObject *source, GAsyncResult *result, gpointer data)
  {
    GTask *task = G_TASK (data);
    BinaryLoad &job = lm::file::job_of<BinaryLoad> (task);
    GError *error = nullptr;
    gssize count = g_input_stream_read_finish (G_INPUT_STREAM (source), result, &error);
    if (count < 0) {
      lm::file::fail (task, error);
      return;
    }
    if (count > 0 && goffset (job.array->len) < job.size) {
      g_byte_array_append (job.array, job.piece, guint (count));
      lm::file::OnTaskContext scope (task);
      job.read_piece (task);
      return;
    }
    /* The file ended before its size: it was cut while it was read. */
    if (count == 0 && goffset (job.array->len) < job.size) {
      lm::file::fail (task, lm::file::shrank (job.filename.get (), job.array->len, job.size));
      return;
    }
    lm::file::close_and_commit (task, job.stream.get ());
  }
};

}  // namespace

extern "C" void
tavrel_model_data_value_binary_load (TavrelModelDataValueBinary *self, const gchar *filename,
                                     GAsyncReadyCallback callback, gpointer user_data) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_BINARY (self));
  LM_RETURN_IF_FAIL (filename != NULL);
  lm::file::load (self, filename, new BinaryLoad (), LM_FILE_TAG (tavrel_model_data_value_binary_load),
                  callback, user_data);
}

extern "C" void
tavrel_model_data_value_binary_load_finish (TavrelModelDataValueBinary *self, GAsyncResult *res,
                                            GError **error) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_BINARY (self));
  LM_FILE_CHECK_RESULT (tavrel_model_data_value_binary_load);
  lm::file::propagate (res, error);
}

/* The save writes its own reference to the buffer, which is immutable:
 * replacing the value's buffer meanwhile does not touch what is written. */
extern "C" void
tavrel_model_data_value_binary_save (TavrelModelDataValueBinary *self, const gchar *filename,
                                     GAsyncReadyCallback callback, gpointer user_data) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_BINARY (self));
  LM_RETURN_IF_FAIL (filename != NULL);
  GBytes *data = bytes_of (self).ref ();
  if (!data) {
    lm::fail (__func__, "itsvalue != NULL");
    data = g_bytes_new (nullptr, 0);
  }
  lm::file::save (self, filename, data, LM_FILE_TAG (tavrel_model_data_value_binary_save), callback,
                  user_data);
}

extern "C" void
tavrel_model_data_value_binary_save_finish (TavrelModelDataValueBinary *self, GAsyncResult *res,
                                            GError **error) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_BINARY (self));
  LM_FILE_CHECK_RESULT (tavrel_model_data_value_binary_save);
  lm::file::propagate (res, error);
}

#define SELF tavrel_model_data_value_binary, TavrelModelDataValueBinary, TAVREL_MODEL_DATA_IS_VALUE_BINARY
LM_ACCESSORS (SELF, itsvalue, GBytes *, NULL)
#undef SELF

/* ---- ValueBlob ------------------------------------------------------------------ */

G_DEFINE_TYPE (TavrelModelDataValueBlob, tavrel_model_data_value_blob, TAVREL_MODEL_DATA_TYPE_VALUE_BINARY)

/* name and data-type again beside the inherited itsvalue. */
static constexpr lm::Property value_blob_properties[] = {
    lm::value::name_property,
    lm::value::data_type_property,
};

static void
tavrel_model_data_value_blob_class_init (TavrelModelDataValueBlobClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  value_klass->clone = [] (TavrelModelDataValueObject *self) { return binary_copy (self, TAVREL_MODEL_DATA_TYPE_VALUE_BLOB); };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "blob"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_BLOB; };
  lm::install_properties<value_blob_properties> (G_OBJECT_CLASS (klass));
}

static void
tavrel_model_data_value_blob_init (TavrelModelDataValueBlob *)
{
}

extern "C" TavrelModelDataValueBlob *
tavrel_model_data_value_blob_new (const guint8 *data, gint length) noexcept
{
  CHECK_BYTES (NULL);
  return binary_build<TavrelModelDataValueBlob> (TAVREL_MODEL_DATA_TYPE_VALUE_BLOB, data, length);
}

extern "C" TavrelModelDataValueBlob *
tavrel_model_data_value_blob_construct (GType object_type, const guint8 *data, gint length) noexcept
{
  CHECK_BYTES (NULL);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_BLOB), NULL);
  return binary_build<TavrelModelDataValueBlob> (object_type, data, length);
}
