/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * libmodel: the data model of a database client.
 *
 * Typed cell values, tables of rows with change flags, catalogue metadata,
 * the patcher and connection settings, as GObject types with a C interface.
 * This is the only public header; it is valid C99 and C++.
 */
#ifndef TAVREL_MODEL_H
#define TAVREL_MODEL_H

#include <glib.h>
#include <glib-object.h>
#include <gio/gio.h>
#include <gee.h>
#include <json-glib/json-glib.h>

G_BEGIN_DECLS

#if defined(__GNUC__) || defined(__clang__)
#define TAVREL_MODEL_API __attribute__ ((visibility ("default"))) extern
#else
#define TAVREL_MODEL_API extern
#endif

/* The library's functions never throw; C++ callers may rely on it.  The
 * get_type functions are defined by GLib's type macros and carry no mark. */
#ifdef __cplusplus
#define TAVREL_MODEL_NOEXCEPT noexcept
#else
#define TAVREL_MODEL_NOEXCEPT
#endif

/* A C caller may pass any int where an enumeration is expected; fixing the
 * underlying type for C++ keeps such values defined in the implementation
 * (the layout is the same as C's). */
#ifdef __cplusplus
#define TAVREL_MODEL_ENUM : int
#define TAVREL_MODEL_FLAGS : unsigned int
#else
#define TAVREL_MODEL_ENUM
#define TAVREL_MODEL_FLAGS
#endif

/* G_DECLARE_DERIVABLE_TYPE with the exported get_type declaration. */
#define TAVREL_MODEL_DECLARE_DERIVABLE(ModuleObjName, module_obj_name, MODULE, OBJ_NAME, ParentName) \
  TAVREL_MODEL_API GType module_obj_name##_get_type (void) G_GNUC_CONST;                            \
  G_DECLARE_DERIVABLE_TYPE (ModuleObjName, module_obj_name, MODULE, OBJ_NAME, ParentName)

#define TAVREL_MODEL_DECLARE_INTERFACE(ModuleObjName, module_obj_name, MODULE, OBJ_NAME, Prerequisite) \
  TAVREL_MODEL_API GType module_obj_name##_get_type (void) G_GNUC_CONST;                              \
  G_DECLARE_INTERFACE (ModuleObjName, module_obj_name, MODULE, OBJ_NAME, Prerequisite)

/* ======================================================================
 * Value kinds (Data/value_object)
 * ====================================================================== */

typedef enum TAVREL_MODEL_ENUM {
  TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN = 0,
  TAVREL_MODEL_DATA_DATA_TYPE_DBNULL = 1,
  TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN = 2,
  TAVREL_MODEL_DATA_DATA_TYPE_CHAR = 3,
  TAVREL_MODEL_DATA_DATA_TYPE_INT8 = 4,
  TAVREL_MODEL_DATA_DATA_TYPE_INT16 = 5,
  TAVREL_MODEL_DATA_DATA_TYPE_INT32 = 6,
  TAVREL_MODEL_DATA_DATA_TYPE_INT64 = 7,
  TAVREL_MODEL_DATA_DATA_TYPE_UINT8 = 8,
  TAVREL_MODEL_DATA_DATA_TYPE_UINT16 = 9,
  TAVREL_MODEL_DATA_DATA_TYPE_UINT32 = 10,
  TAVREL_MODEL_DATA_DATA_TYPE_UINT64 = 11,
  TAVREL_MODEL_DATA_DATA_TYPE_ENUM = 12,
  TAVREL_MODEL_DATA_DATA_TYPE_FLAGS = 13,
  TAVREL_MODEL_DATA_DATA_TYPE_SET = 14,
  TAVREL_MODEL_DATA_DATA_TYPE_MONEY = 15,
  TAVREL_MODEL_DATA_DATA_TYPE_DECIMAL = 16,
  TAVREL_MODEL_DATA_DATA_TYPE_FLOAT = 17,
  TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE = 18,
  TAVREL_MODEL_DATA_DATA_TYPE_DATE = 19,
  TAVREL_MODEL_DATA_DATA_TYPE_TIME = 20,
  TAVREL_MODEL_DATA_DATA_TYPE_DATETIME = 21,
  TAVREL_MODEL_DATA_DATA_TYPE_TIMESPAN = 22,
  TAVREL_MODEL_DATA_DATA_TYPE_TIMESTAMP = 23,
  TAVREL_MODEL_DATA_DATA_TYPE_STRING = 24,
  TAVREL_MODEL_DATA_DATA_TYPE_WSTRING = 25,
  TAVREL_MODEL_DATA_DATA_TYPE_XML = 26,
  TAVREL_MODEL_DATA_DATA_TYPE_UUID = 27,
  TAVREL_MODEL_DATA_DATA_TYPE_JSON = 28,
  TAVREL_MODEL_DATA_DATA_TYPE_GEOMETRY = 29,
  TAVREL_MODEL_DATA_DATA_TYPE_GEOGRAPHY = 30,
  TAVREL_MODEL_DATA_DATA_TYPE_BINARY = 31,
  TAVREL_MODEL_DATA_DATA_TYPE_BLOB = 32,
  TAVREL_MODEL_DATA_DATA_TYPE_OBJECT = 33,
  TAVREL_MODEL_DATA_DATA_TYPE_POINTER = 34,
  TAVREL_MODEL_DATA_DATA_TYPE_VARIANT = 35,
  TAVREL_MODEL_DATA_DATA_TYPE_ARRAY = 36,
  TAVREL_MODEL_DATA_DATA_TYPE_VECTOR = 37,
  TAVREL_MODEL_DATA_DATA_TYPE_RANGE = 38,
  TAVREL_MODEL_DATA_DATA_TYPE_COMPOSITE = 39,
  TAVREL_MODEL_DATA_DATA_TYPE_ERROR = 40
} TavrelModelDataDataType;

#define TAVREL_MODEL_DATA_TYPE_DATA_TYPE (tavrel_model_data_data_type_get_type ())
TAVREL_MODEL_API GType tavrel_model_data_data_type_get_type (void) G_GNUC_CONST;
TAVREL_MODEL_API gchar *tavrel_model_data_data_type_to_string (TavrelModelDataDataType self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GType tavrel_model_data_data_type_get_glib_type (TavrelModelDataDataType self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataDataType tavrel_model_data_data_type_get_data_type (GType type) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Change flags (Transform/data_version)
 * ====================================================================== */

typedef enum TAVREL_MODEL_FLAGS {
  TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL = 0,
  TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL = 1 << 0,
  TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE = 1 << 1,
  TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT = 1 << 2,
  TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE = 1 << 3
} TavrelModelTransformDataVersion;

#define TAVREL_MODEL_TRANSFORM_TYPE_DATA_VERSION (tavrel_model_transform_data_version_get_type ())
TAVREL_MODEL_API GType tavrel_model_transform_data_version_get_type (void) G_GNUC_CONST;
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_transform_data_version_all (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gchar *tavrel_model_transform_data_version_to_string (TavrelModelTransformDataVersion self) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * The value interface and the base value classes (Data/value_object)
 * ====================================================================== */

typedef struct _TavrelModelDataValueObject TavrelModelDataValueObject;

#define TAVREL_MODEL_DATA_TYPE_IVALUE (tavrel_model_data_ivalue_get_type ())
TAVREL_MODEL_DECLARE_INTERFACE (TavrelModelDataIValue, tavrel_model_data_ivalue, TAVREL_MODEL_DATA, IVALUE, GObject)

struct _TavrelModelDataIValueInterface {
  GTypeInterface parent_iface;
  void (*to_value) (TavrelModelDataIValue *self, GValue *result);
  gchar *(*to_string) (TavrelModelDataIValue *self);
  TavrelModelDataIValue *(*clone) (TavrelModelDataIValue *self);
  gchar *(*dump) (TavrelModelDataIValue *self);
  const gchar *(*get_name) (TavrelModelDataIValue *self);
  TavrelModelDataDataType (*get_data_type) (TavrelModelDataIValue *self);
  gboolean (*get_is_null) (TavrelModelDataIValue *self);
};

TAVREL_MODEL_API void tavrel_model_data_ivalue_to_value (TavrelModelDataIValue *self, GValue *result) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gchar *tavrel_model_data_ivalue_to_string (TavrelModelDataIValue *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataIValue *tavrel_model_data_ivalue_clone (TavrelModelDataIValue *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gchar *tavrel_model_data_ivalue_dump (TavrelModelDataIValue *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_data_ivalue_get_name (TavrelModelDataIValue *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataDataType tavrel_model_data_ivalue_get_data_type (TavrelModelDataIValue *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_data_ivalue_get_is_null (TavrelModelDataIValue *self) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT (tavrel_model_data_value_object_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueObject, tavrel_model_data_value_object, TAVREL_MODEL_DATA, VALUE_OBJECT, GObject)

struct _TavrelModelDataValueObjectClass {
  GObjectClass parent_class;
  void (*to_value) (TavrelModelDataValueObject *self, GValue *result);
  gchar *(*to_string) (TavrelModelDataValueObject *self);
  TavrelModelDataValueObject *(*clone) (TavrelModelDataValueObject *self);
  gchar *(*dump) (TavrelModelDataValueObject *self);
  const gchar *(*get_name) (TavrelModelDataValueObject *self);
  TavrelModelDataDataType (*get_data_type) (TavrelModelDataValueObject *self);
  gboolean (*get_is_null) (TavrelModelDataValueObject *self);
};

TAVREL_MODEL_API TavrelModelDataValueObject *tavrel_model_data_value_object_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueObject *tavrel_model_data_value_object_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_object_to_value (TavrelModelDataValueObject *self, GValue *result) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gchar *tavrel_model_data_value_object_to_string (TavrelModelDataValueObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueObject *tavrel_model_data_value_object_clone (TavrelModelDataValueObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gchar *tavrel_model_data_value_object_dump (TavrelModelDataValueObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_data_value_object_get_name (TavrelModelDataValueObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataDataType tavrel_model_data_value_object_get_data_type (TavrelModelDataValueObject *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_data_value_object_get_is_null (TavrelModelDataValueObject *self) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_NULL (tavrel_model_data_value_null_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueNull, tavrel_model_data_value_null, TAVREL_MODEL_DATA, VALUE_NULL, TavrelModelDataValueObject)

struct _TavrelModelDataValueNullClass {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueNull *tavrel_model_data_value_null_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueNull *tavrel_model_data_value_null_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_data_value_null_get_itsvalue (TavrelModelDataValueNull *self) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_ERROR (tavrel_model_data_value_error_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueError, tavrel_model_data_value_error, TAVREL_MODEL_DATA, VALUE_ERROR, TavrelModelDataValueObject)

struct _TavrelModelDataValueErrorClass {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueError *tavrel_model_data_value_error_new (gint32 code, const gchar *message) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueError *tavrel_model_data_value_error_construct (GType object_type, gint32 code, const gchar *message) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gchar *tavrel_model_data_value_error_get_itsvalue (TavrelModelDataValueError *self) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Values: integers (Data/value_scalar)
 * ====================================================================== */

/* ======================================================================
 * Values: booleans, characters and numerics (Data/value_numeric)
 * ====================================================================== */

/* ======================================================================
 * Values: text (Data/value_string)
 * ====================================================================== */

/* UTF-8 text.  The load and save run on the caller's thread-default main
 * context; the callback gets the value as its source object and is always
 * called after load or save has returned.  A load replaces the text only
 * when it succeeds, and without an itsvalue notification; loading a path
 * where no file exists succeeds and leaves the text as it was.  A save
 * writes the text as it was when save was called, through a replacement
 * of the file, so a failed save leaves a previous file in place. */
#define TAVREL_MODEL_DATA_TYPE_VALUE_STRING (tavrel_model_data_value_string_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueString, tavrel_model_data_value_string, TAVREL_MODEL_DATA, VALUE_STRING, TavrelModelDataValueObject)

struct _TavrelModelDataValueStringClass {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueString *tavrel_model_data_value_string_new (const gchar *text) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueString *tavrel_model_data_value_string_construct (GType object_type, const gchar *text) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_data_value_string_get_itsvalue (TavrelModelDataValueString *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_string_set_itsvalue (TavrelModelDataValueString *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_string_load (TavrelModelDataValueString *self, const gchar *filename, GAsyncReadyCallback callback, gpointer user_data) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_string_load_finish (TavrelModelDataValueString *self, GAsyncResult *res, GError **error) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_string_save (TavrelModelDataValueString *self, const gchar *filename, GAsyncReadyCallback callback, gpointer user_data) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_string_save_finish (TavrelModelDataValueString *self, GAsyncResult *res, GError **error) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_XML (tavrel_model_data_value_xml_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueXml, tavrel_model_data_value_xml, TAVREL_MODEL_DATA, VALUE_XML, TavrelModelDataValueString)

struct _TavrelModelDataValueXmlClass {
  TavrelModelDataValueStringClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueXml *tavrel_model_data_value_xml_new (const gchar *text) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueXml *tavrel_model_data_value_xml_construct (GType object_type, const gchar *text) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_JSON (tavrel_model_data_value_json_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueJson, tavrel_model_data_value_json, TAVREL_MODEL_DATA, VALUE_JSON, TavrelModelDataValueString)

struct _TavrelModelDataValueJsonClass {
  TavrelModelDataValueStringClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueJson *tavrel_model_data_value_json_new (const gchar *text) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueJson *tavrel_model_data_value_json_construct (GType object_type, const gchar *text) TAVREL_MODEL_NOEXCEPT;

/* new and construct make a fresh random UUID (lower-case, 36 characters);
 * new_uuid and construct_uuid keep the given text as it is. */
#define TAVREL_MODEL_DATA_TYPE_VALUE_UUID (tavrel_model_data_value_uuid_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueUuid, tavrel_model_data_value_uuid, TAVREL_MODEL_DATA, VALUE_UUID, TavrelModelDataValueString)

struct _TavrelModelDataValueUuidClass {
  TavrelModelDataValueStringClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueUuid *tavrel_model_data_value_uuid_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueUuid *tavrel_model_data_value_uuid_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueUuid *tavrel_model_data_value_uuid_new_uuid (const gchar *uuid) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueUuid *tavrel_model_data_value_uuid_construct_uuid (GType object_type, const gchar *uuid) TAVREL_MODEL_NOEXCEPT;

/* A zero-terminated UTF-16 buffer (g_malloc'ed) that the value owns.  new,
 * construct and set_itsvalue (and writing the pointer property itsvalue)
 * take the buffer over, also when they refuse their other arguments;
 * get_itsvalue lends it. */
#define TAVREL_MODEL_DATA_TYPE_VALUE_UTF16 (tavrel_model_data_value_utf16_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueUtf16, tavrel_model_data_value_utf16, TAVREL_MODEL_DATA, VALUE_UTF16, TavrelModelDataValueObject)

struct _TavrelModelDataValueUtf16Class {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueUtf16 *tavrel_model_data_value_utf16_new (gunichar2 *text) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueUtf16 *tavrel_model_data_value_utf16_construct (GType object_type, gunichar2 *text) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueUtf16 *tavrel_model_data_value_utf16_new_string (const gchar *text) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueUtf16 *tavrel_model_data_value_utf16_construct_string (GType object_type, const gchar *text) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gunichar2 *tavrel_model_data_value_utf16_get_itsvalue (TavrelModelDataValueUtf16 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_utf16_set_itsvalue (TavrelModelDataValueUtf16 *self, gunichar2 *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Values: dates and times (Data/value_datetime)
 * ====================================================================== */

/* ======================================================================
 * Values: binary data (Data/value_binary)
 * ====================================================================== */

/* Uninterpreted bytes in a GBytes.  They render as text when the bytes up
 * to the first zero byte are UTF-8, as hexadecimal otherwise.  load and
 * save behave as those of text values: callback after the call returned,
 * the value replaced only by a successful load (without notification), a
 * missing file loads as no change, a save writes the bytes held when save
 * was called and never destroys a previous file when it fails. */
#define TAVREL_MODEL_DATA_TYPE_VALUE_BINARY (tavrel_model_data_value_binary_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueBinary, tavrel_model_data_value_binary, TAVREL_MODEL_DATA, VALUE_BINARY, TavrelModelDataValueObject)

struct _TavrelModelDataValueBinaryClass {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueBinary *tavrel_model_data_value_binary_new (const guint8 *data, gint length) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueBinary *tavrel_model_data_value_binary_construct (GType object_type, const guint8 *data, gint length) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint8 *tavrel_model_data_value_binary_to_bytes (TavrelModelDataValueBinary *self, gint *length) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_data_value_binary_is_text (TavrelModelDataValueBinary *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gchar *tavrel_model_data_value_binary_to_hexadecimal (TavrelModelDataValueBinary *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_binary_write (TavrelModelDataValueBinary *self, GOutputStream *stream, GError **error) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_binary_load (TavrelModelDataValueBinary *self, const gchar *filename, GAsyncReadyCallback callback, gpointer user_data) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_binary_load_finish (TavrelModelDataValueBinary *self, GAsyncResult *res, GError **error) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_binary_save (TavrelModelDataValueBinary *self, const gchar *filename, GAsyncReadyCallback callback, gpointer user_data) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_binary_save_finish (TavrelModelDataValueBinary *self, GAsyncResult *res, GError **error) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GBytes *tavrel_model_data_value_binary_get_itsvalue (TavrelModelDataValueBinary *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_binary_set_itsvalue (TavrelModelDataValueBinary *self, GBytes *value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_BLOB (tavrel_model_data_value_blob_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueBlob, tavrel_model_data_value_blob, TAVREL_MODEL_DATA, VALUE_BLOB, TavrelModelDataValueBinary)

struct _TavrelModelDataValueBlobClass {
  TavrelModelDataValueBinaryClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueBlob *tavrel_model_data_value_blob_new (const guint8 *data, gint length) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueBlob *tavrel_model_data_value_blob_construct (GType object_type, const guint8 *data, gint length) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Values: enumerations (Data/value_enum)
 * ====================================================================== */

/* ======================================================================
 * Values: spatial (Data/value_spatial)
 * ====================================================================== */

/* ======================================================================
 * The value factory (Data/value_factory)
 * ====================================================================== */

/* ======================================================================
 * Columns and rows (Data/model_column, Data/model_row)
 * ====================================================================== */

#define TAVREL_MODEL_DATA_TYPE_COLUMN_MODEL (tavrel_model_data_column_model_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataColumnModel, tavrel_model_data_column_model, TAVREL_MODEL_DATA, COLUMN_MODEL, GObject)

struct _TavrelModelDataColumnModelClass {
  GObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_new_with_type (TavrelModelDataDataType data_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_construct_with_type (GType object_type, TavrelModelDataDataType data_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_new_full (const gchar *column_name, TavrelModelDataDataType data_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_construct_full (GType object_type, const gchar *column_name, TavrelModelDataDataType data_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_new_full_size (const gchar *column_name, TavrelModelDataDataType data_type, gsize data_size) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_construct_full_size (GType object_type, const gchar *column_name, TavrelModelDataDataType data_type, gsize data_size) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_data_column_model_get_name (TavrelModelDataColumnModel *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_column_model_set_name (TavrelModelDataColumnModel *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_data_column_model_get_title (TavrelModelDataColumnModel *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_column_model_set_title (TavrelModelDataColumnModel *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataDataType tavrel_model_data_column_model_get_data_type (TavrelModelDataColumnModel *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_column_model_set_data_type (TavrelModelDataColumnModel *self, TavrelModelDataDataType value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gsize tavrel_model_data_column_model_get_data_size (TavrelModelDataColumnModel *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_column_model_set_data_size (TavrelModelDataColumnModel *self, gsize value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_ROW_MODEL (tavrel_model_data_row_model_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataRowModel, tavrel_model_data_row_model, TAVREL_MODEL_DATA, ROW_MODEL, GObject)

struct _TavrelModelDataRowModelClass {
  GObjectClass parent_class;
  TavrelModelDataRowModel *(*clone) (TavrelModelDataRowModel *self);
};

TAVREL_MODEL_API TavrelModelDataRowModel *tavrel_model_data_row_model_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataRowModel *tavrel_model_data_row_model_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueObject *tavrel_model_data_row_model_get_value_at (TavrelModelDataRowModel *self, gint position) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_row_model_set_value_at (TavrelModelDataRowModel *self, gint position, TavrelModelDataValueObject *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataRowModel *tavrel_model_data_row_model_clone (TavrelModelDataRowModel *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_data_row_model_get_version (TavrelModelDataRowModel *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_row_model_set_version (TavrelModelDataRowModel *self, TavrelModelTransformDataVersion value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_data_row_model_get_values (TavrelModelDataRowModel *self) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Tables (Data/model_table)
 * ====================================================================== */

/* ======================================================================
 * Data sets and results (Data/model_dataset, Data/model_result)
 * ====================================================================== */

/* ======================================================================
 * Server connection profiles (Setting/server)
 * ====================================================================== */

/* ======================================================================
 * Network proxy settings (Setting/network)
 * ====================================================================== */

G_END_DECLS

#endif /* TAVREL_MODEL_H */
