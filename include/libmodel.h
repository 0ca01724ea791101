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

/* Reads any integer value as a signed 64-bit number.  An unsigned value too
 * large for it reads as G_MAXINT64. */
#define TAVREL_MODEL_DATA_TYPE_IINTEGER (tavrel_model_data_iinteger_get_type ())
TAVREL_MODEL_DECLARE_INTERFACE (TavrelModelDataIInteger, tavrel_model_data_iinteger, TAVREL_MODEL_DATA, IINTEGER, GObject)

struct _TavrelModelDataIIntegerInterface {
  GTypeInterface parent_iface;
  gint64 (*to_integer) (TavrelModelDataIInteger *self);
};

TAVREL_MODEL_API gint64 tavrel_model_data_iinteger_to_integer (TavrelModelDataIInteger *self) TAVREL_MODEL_NOEXCEPT;

/* Reads an unsigned value as an unsigned 64-bit number; every IUnsigned is
 * also an IInteger. */
#define TAVREL_MODEL_DATA_TYPE_IUNSIGNED (tavrel_model_data_iunsigned_get_type ())
TAVREL_MODEL_DECLARE_INTERFACE (TavrelModelDataIUnsigned, tavrel_model_data_iunsigned, TAVREL_MODEL_DATA, IUNSIGNED, TavrelModelDataIInteger)

struct _TavrelModelDataIUnsignedInterface {
  GTypeInterface parent_iface;
  guint64 (*to_unsigned) (TavrelModelDataIUnsigned *self);
};

TAVREL_MODEL_API guint64 tavrel_model_data_iunsigned_to_unsigned (TavrelModelDataIUnsigned *self) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_INT8 (tavrel_model_data_value_int8_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueInt8, tavrel_model_data_value_int8, TAVREL_MODEL_DATA, VALUE_INT8, TavrelModelDataValueObject)

struct _TavrelModelDataValueInt8Class {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueInt8 *tavrel_model_data_value_int8_new (gint8 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueInt8 *tavrel_model_data_value_int8_construct (GType object_type, gint8 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint8 tavrel_model_data_value_int8_get_int8 (TavrelModelDataValueInt8 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint8 tavrel_model_data_value_int8_get_itsvalue (TavrelModelDataValueInt8 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_int8_set_itsvalue (TavrelModelDataValueInt8 *self, gint8 value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_INT16 (tavrel_model_data_value_int16_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueInt16, tavrel_model_data_value_int16, TAVREL_MODEL_DATA, VALUE_INT16, TavrelModelDataValueObject)

struct _TavrelModelDataValueInt16Class {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueInt16 *tavrel_model_data_value_int16_new (gint16 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueInt16 *tavrel_model_data_value_int16_construct (GType object_type, gint16 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint16 tavrel_model_data_value_int16_get_int16 (TavrelModelDataValueInt16 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint16 tavrel_model_data_value_int16_get_itsvalue (TavrelModelDataValueInt16 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_int16_set_itsvalue (TavrelModelDataValueInt16 *self, gint16 value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_INT32 (tavrel_model_data_value_int32_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueInt32, tavrel_model_data_value_int32, TAVREL_MODEL_DATA, VALUE_INT32, TavrelModelDataValueObject)

struct _TavrelModelDataValueInt32Class {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueInt32 *tavrel_model_data_value_int32_new (gint32 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueInt32 *tavrel_model_data_value_int32_construct (GType object_type, gint32 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint32 tavrel_model_data_value_int32_get_int32 (TavrelModelDataValueInt32 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint32 tavrel_model_data_value_int32_get_itsvalue (TavrelModelDataValueInt32 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_int32_set_itsvalue (TavrelModelDataValueInt32 *self, gint32 value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_INT64 (tavrel_model_data_value_int64_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueInt64, tavrel_model_data_value_int64, TAVREL_MODEL_DATA, VALUE_INT64, TavrelModelDataValueObject)

struct _TavrelModelDataValueInt64Class {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueInt64 *tavrel_model_data_value_int64_new (gint64 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueInt64 *tavrel_model_data_value_int64_construct (GType object_type, gint64 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint64 tavrel_model_data_value_int64_get_int64 (TavrelModelDataValueInt64 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint64 tavrel_model_data_value_int64_get_itsvalue (TavrelModelDataValueInt64 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_int64_set_itsvalue (TavrelModelDataValueInt64 *self, gint64 value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_UINT8 (tavrel_model_data_value_uint8_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueUInt8, tavrel_model_data_value_uint8, TAVREL_MODEL_DATA, VALUE_UINT8, TavrelModelDataValueObject)

struct _TavrelModelDataValueUInt8Class {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueUInt8 *tavrel_model_data_value_uint8_new (guint8 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueUInt8 *tavrel_model_data_value_uint8_construct (GType object_type, guint8 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint8 tavrel_model_data_value_uint8_get_uint8 (TavrelModelDataValueUInt8 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint8 tavrel_model_data_value_uint8_get_itsvalue (TavrelModelDataValueUInt8 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_uint8_set_itsvalue (TavrelModelDataValueUInt8 *self, guint8 value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_UINT16 (tavrel_model_data_value_uint16_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueUInt16, tavrel_model_data_value_uint16, TAVREL_MODEL_DATA, VALUE_UINT16, TavrelModelDataValueObject)

struct _TavrelModelDataValueUInt16Class {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueUInt16 *tavrel_model_data_value_uint16_new (guint16 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueUInt16 *tavrel_model_data_value_uint16_construct (GType object_type, guint16 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint16 tavrel_model_data_value_uint16_get_uint16 (TavrelModelDataValueUInt16 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint16 tavrel_model_data_value_uint16_get_itsvalue (TavrelModelDataValueUInt16 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_uint16_set_itsvalue (TavrelModelDataValueUInt16 *self, guint16 value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_UINT32 (tavrel_model_data_value_uint32_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueUInt32, tavrel_model_data_value_uint32, TAVREL_MODEL_DATA, VALUE_UINT32, TavrelModelDataValueObject)

struct _TavrelModelDataValueUInt32Class {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueUInt32 *tavrel_model_data_value_uint32_new (guint32 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueUInt32 *tavrel_model_data_value_uint32_construct (GType object_type, guint32 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint32 tavrel_model_data_value_uint32_get_uint32 (TavrelModelDataValueUInt32 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint32 tavrel_model_data_value_uint32_get_itsvalue (TavrelModelDataValueUInt32 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_uint32_set_itsvalue (TavrelModelDataValueUInt32 *self, guint32 value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_UINT64 (tavrel_model_data_value_uint64_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueUInt64, tavrel_model_data_value_uint64, TAVREL_MODEL_DATA, VALUE_UINT64, TavrelModelDataValueObject)

struct _TavrelModelDataValueUInt64Class {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueUInt64 *tavrel_model_data_value_uint64_new (guint64 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueUInt64 *tavrel_model_data_value_uint64_construct (GType object_type, guint64 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint64 tavrel_model_data_value_uint64_get_uint64 (TavrelModelDataValueUInt64 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint64 tavrel_model_data_value_uint64_get_itsvalue (TavrelModelDataValueUInt64 *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_uint64_set_itsvalue (TavrelModelDataValueUInt64 *self, guint64 value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Values: booleans, characters and numerics (Data/value_numeric)
 * ====================================================================== */

/* Reads a floating-point value as a double. */
#define TAVREL_MODEL_DATA_TYPE_INUMERIC (tavrel_model_data_inumeric_get_type ())
TAVREL_MODEL_DECLARE_INTERFACE (TavrelModelDataINumeric, tavrel_model_data_inumeric, TAVREL_MODEL_DATA, INUMERIC, GObject)

struct _TavrelModelDataINumericInterface {
  GTypeInterface parent_iface;
  gdouble (*to_double) (TavrelModelDataINumeric *self);
};

TAVREL_MODEL_API gdouble tavrel_model_data_inumeric_to_double (TavrelModelDataINumeric *self) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_BOOLEAN (tavrel_model_data_value_boolean_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueBoolean, tavrel_model_data_value_boolean, TAVREL_MODEL_DATA, VALUE_BOOLEAN, TavrelModelDataValueObject)

struct _TavrelModelDataValueBooleanClass {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueBoolean *tavrel_model_data_value_boolean_new (gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueBoolean *tavrel_model_data_value_boolean_construct (GType object_type, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_data_value_boolean_get_boolean (TavrelModelDataValueBoolean *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_data_value_boolean_get_itsvalue (TavrelModelDataValueBoolean *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_boolean_set_itsvalue (TavrelModelDataValueBoolean *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_CHAR (tavrel_model_data_value_char_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueChar, tavrel_model_data_value_char, TAVREL_MODEL_DATA, VALUE_CHAR, TavrelModelDataValueObject)

struct _TavrelModelDataValueCharClass {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueChar *tavrel_model_data_value_char_new (guchar value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueChar *tavrel_model_data_value_char_construct (GType object_type, guchar value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guchar tavrel_model_data_value_char_get_char (TavrelModelDataValueChar *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guchar tavrel_model_data_value_char_get_itsvalue (TavrelModelDataValueChar *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_char_set_itsvalue (TavrelModelDataValueChar *self, guchar value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_FLOAT (tavrel_model_data_value_float_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueFloat, tavrel_model_data_value_float, TAVREL_MODEL_DATA, VALUE_FLOAT, TavrelModelDataValueObject)

struct _TavrelModelDataValueFloatClass {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueFloat *tavrel_model_data_value_float_new (gfloat value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueFloat *tavrel_model_data_value_float_construct (GType object_type, gfloat value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gfloat tavrel_model_data_value_float_get_itsvalue (TavrelModelDataValueFloat *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_float_set_itsvalue (TavrelModelDataValueFloat *self, gfloat value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_DOUBLE (tavrel_model_data_value_double_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueDouble, tavrel_model_data_value_double, TAVREL_MODEL_DATA, VALUE_DOUBLE, TavrelModelDataValueObject)

struct _TavrelModelDataValueDoubleClass {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueDouble *tavrel_model_data_value_double_new (gdouble value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDouble *tavrel_model_data_value_double_construct (GType object_type, gdouble value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gdouble tavrel_model_data_value_double_get_itsvalue (TavrelModelDataValueDouble *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_double_set_itsvalue (TavrelModelDataValueDouble *self, gdouble value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_MONEY (tavrel_model_data_value_money_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueMoney, tavrel_model_data_value_money, TAVREL_MODEL_DATA, VALUE_MONEY, TavrelModelDataValueObject)

struct _TavrelModelDataValueMoneyClass {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueMoney *tavrel_model_data_value_money_new (gdouble value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueMoney *tavrel_model_data_value_money_construct (GType object_type, gdouble value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gdouble tavrel_model_data_value_money_get_itsvalue (TavrelModelDataValueMoney *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_money_set_itsvalue (TavrelModelDataValueMoney *self, gdouble value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_DECIMAL (tavrel_model_data_value_decimal_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueDecimal, tavrel_model_data_value_decimal, TAVREL_MODEL_DATA, VALUE_DECIMAL, TavrelModelDataValueObject)

struct _TavrelModelDataValueDecimalClass {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueDecimal *tavrel_model_data_value_decimal_new (gdouble value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDecimal *tavrel_model_data_value_decimal_construct (GType object_type, gdouble value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gdouble tavrel_model_data_value_decimal_get_itsvalue (TavrelModelDataValueDecimal *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_decimal_set_itsvalue (TavrelModelDataValueDecimal *self, gdouble value) TAVREL_MODEL_NOEXCEPT;

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

#define TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME (tavrel_model_data_value_date_time_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueDateTime, tavrel_model_data_value_date_time, TAVREL_MODEL_DATA, VALUE_DATE_TIME, TavrelModelDataValueObject)

struct _TavrelModelDataValueDateTimeClass {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_new_datetime (GDateTime *datetime) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_construct_datetime (GType object_type, GDateTime *datetime) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_new_iso8601 (const gchar *datetime) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_construct_iso8601 (GType object_type, const gchar *datetime) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_new_utc (gint year, gint month, gint day, gint hour, gint minute, gint seconds) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_construct_utc (GType object_type, gint year, gint month, gint day, gint hour, gint minute, gint seconds) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gchar *tavrel_model_data_value_date_time_format (TavrelModelDataValueDateTime *self, const gchar *format) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GDateTime *tavrel_model_data_value_date_time_get_itsvalue (TavrelModelDataValueDateTime *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_date_time_set_itsvalue (TavrelModelDataValueDateTime *self, GDateTime *value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_DATE (tavrel_model_data_value_date_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueDate, tavrel_model_data_value_date, TAVREL_MODEL_DATA, VALUE_DATE, TavrelModelDataValueDateTime)

struct _TavrelModelDataValueDateClass {
  TavrelModelDataValueDateTimeClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_new_dmy (gint year, gint month, gint day) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_construct_dmy (GType object_type, gint year, gint month, gint day) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_new_date (const GDate *date) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_construct_date (GType object_type, const GDate *date) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_new_iso8601 (const gchar *date) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_construct_iso8601 (GType object_type, const gchar *date) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_TIME (tavrel_model_data_value_time_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueTime, tavrel_model_data_value_time, TAVREL_MODEL_DATA, VALUE_TIME, TavrelModelDataValueDateTime)

struct _TavrelModelDataValueTimeClass {
  TavrelModelDataValueDateTimeClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueTime *tavrel_model_data_value_time_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueTime *tavrel_model_data_value_time_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueTime *tavrel_model_data_value_time_new_hms (gint hour, gint minute, gdouble seconds) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueTime *tavrel_model_data_value_time_construct_hms (GType object_type, gint hour, gint minute, gdouble seconds) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueTime *tavrel_model_data_value_time_new_time (GDateTime *datetime) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueTime *tavrel_model_data_value_time_construct_time (GType object_type, GDateTime *datetime) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_TIME_SPAN (tavrel_model_data_value_time_span_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueTimeSpan, tavrel_model_data_value_time_span, TAVREL_MODEL_DATA, VALUE_TIME_SPAN, TavrelModelDataValueObject)

struct _TavrelModelDataValueTimeSpanClass {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueTimeSpan *tavrel_model_data_value_time_span_new (gint64 span) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueTimeSpan *tavrel_model_data_value_time_span_construct (GType object_type, gint64 span) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueTimeSpan *tavrel_model_data_value_time_span_new_interval (gint32 interval, gint64 span) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueTimeSpan *tavrel_model_data_value_time_span_construct_interval (GType object_type, gint32 interval, gint64 span) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint64 tavrel_model_data_value_time_span_get_itsvalue (TavrelModelDataValueTimeSpan *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_time_span_set_itsvalue (TavrelModelDataValueTimeSpan *self, gint64 value) TAVREL_MODEL_NOEXCEPT;

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

#define TAVREL_MODEL_DATA_TYPE_VALUE_ENUM (tavrel_model_data_value_enum_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueEnum, tavrel_model_data_value_enum, TAVREL_MODEL_DATA, VALUE_ENUM, TavrelModelDataValueObject)

struct _TavrelModelDataValueEnumClass {
  TavrelModelDataValueObjectClass parent_class;
  void (*initialize) (TavrelModelDataValueEnum *self, const gchar *const *values, gint count);
};

TAVREL_MODEL_API TavrelModelDataValueEnum *tavrel_model_data_value_enum_new (const gchar *enum_value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueEnum *tavrel_model_data_value_enum_construct (GType object_type, const gchar *enum_value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_enum_initialize (TavrelModelDataValueEnum *self, const gchar *const *values, gint count) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_data_value_enum_get_itsvalue (TavrelModelDataValueEnum *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_enum_set_itsvalue (TavrelModelDataValueEnum *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_FLAGS (tavrel_model_data_value_flags_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueFlags, tavrel_model_data_value_flags, TAVREL_MODEL_DATA, VALUE_FLAGS, TavrelModelDataValueEnum)

struct _TavrelModelDataValueFlagsClass {
  TavrelModelDataValueEnumClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueFlags *tavrel_model_data_value_flags_new (const gchar *flag_value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueFlags *tavrel_model_data_value_flags_construct (GType object_type, const gchar *flag_value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_SET (tavrel_model_data_value_set_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueSet, tavrel_model_data_value_set, TAVREL_MODEL_DATA, VALUE_SET, TavrelModelDataValueEnum)

struct _TavrelModelDataValueSetClass {
  TavrelModelDataValueEnumClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueSet *tavrel_model_data_value_set_new (const gchar *set_value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueSet *tavrel_model_data_value_set_construct (GType object_type, const gchar *set_value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Values: spatial (Data/value_spatial)
 * ====================================================================== */

#define TAVREL_MODEL_DATA_TYPE_VALUE_GEOMETRY (tavrel_model_data_value_geometry_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueGeometry, tavrel_model_data_value_geometry, TAVREL_MODEL_DATA, VALUE_GEOMETRY, TavrelModelDataValueObject)

struct _TavrelModelDataValueGeometryClass {
  TavrelModelDataValueObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueGeometry *tavrel_model_data_value_geometry_new (const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueGeometry *tavrel_model_data_value_geometry_construct (GType object_type, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_data_value_geometry_get_itsvalue (TavrelModelDataValueGeometry *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_value_geometry_set_itsvalue (TavrelModelDataValueGeometry *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_VALUE_GEOGRAPHY (tavrel_model_data_value_geography_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueGeography, tavrel_model_data_value_geography, TAVREL_MODEL_DATA, VALUE_GEOGRAPHY, TavrelModelDataValueGeometry)

struct _TavrelModelDataValueGeographyClass {
  TavrelModelDataValueGeometryClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataValueGeography *tavrel_model_data_value_geography_new (const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueGeography *tavrel_model_data_value_geography_construct (GType object_type, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gdouble tavrel_model_data_value_geography_latitude (TavrelModelDataValueGeography *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gdouble tavrel_model_data_value_geography_longitude (TavrelModelDataValueGeography *self) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * The value factory (Data/value_factory)
 * ====================================================================== */

/* A new value of the kind's class built from a cell's text (which may be
 * null); the text "(Null)" gives the database NULL.  Never returns null. */
TAVREL_MODEL_API TavrelModelDataIValue *tavrel_model_data_ivalue_factory (TavrelModelDataDataType data_type, const gchar *text) TAVREL_MODEL_NOEXCEPT;

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

/* Marks the kinds of result the library defines: tables, scalar results
 * and error results; tell them apart by their classes. */
#define TAVREL_MODEL_DATA_TYPE_IRESULT (tavrel_model_data_iresult_get_type ())
TAVREL_MODEL_DECLARE_INTERFACE (TavrelModelDataIResult, tavrel_model_data_iresult, TAVREL_MODEL_DATA, IRESULT, GObject)

struct _TavrelModelDataIResultInterface {
  GTypeInterface parent_iface;
};

/* A table of rows with its columns, the statement it came from and the
 * schema and entity it names.  As a GListModel it exposes its rows; every
 * change made through its functions is announced with items-changed, while
 * rows added to the list from get_rows directly are not.  Functions that
 * return a position return -1 when they reject their arguments. */
#define TAVREL_MODEL_DATA_TYPE_TABLE_MODEL (tavrel_model_data_table_model_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataTableModel, tavrel_model_data_table_model, TAVREL_MODEL_DATA, TABLE_MODEL, GObject)

struct _TavrelModelDataTableModelClass {
  GObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_new_with_names (const gchar *schema_, const gchar *entity_) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_construct_with_names (GType object_type, const gchar *schema_, const gchar *entity_) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_new_with_sql (const gchar *sql) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_construct_with_sql (GType object_type, const gchar *sql) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_new_with_types (const TavrelModelDataDataType *types, gint n_types) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_construct_with_types (GType object_type, const TavrelModelDataDataType *types, gint n_types) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_table_model_metadata (TavrelModelDataTableModel *self, const gchar *schema_, const gchar *entity_) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataValueObject *tavrel_model_data_table_model_get_value_at (TavrelModelDataTableModel *self, gint col, gint row) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_table_model_set_value_at (TavrelModelDataTableModel *self, gint col, gint row, TavrelModelDataValueObject *value) TAVREL_MODEL_NOEXCEPT;
/* A new row marked INSERT holding one default value per column (the
 * factory's value for the column's kind and no text); it is not added. */
TAVREL_MODEL_API TavrelModelDataRowModel *tavrel_model_data_table_model_new_row (TavrelModelDataTableModel *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint tavrel_model_data_table_model_append (TavrelModelDataTableModel *self, TavrelModelDataRowModel *row) TAVREL_MODEL_NOEXCEPT;
/* A driver's fast path, beside append: turns one result
 * row's cell texts into values through the factory, by the kinds of the
 * table's columns (a null text, like "(Null)", gives the database NULL), and
 * appends the row as append does: announced, version INITIAL.  Returns its
 * position, or -1 when n_texts differs from the number of columns, texts is
 * null with a positive count, or the table has no columns. */
TAVREL_MODEL_API gint tavrel_model_data_table_model_append_texts (TavrelModelDataTableModel *self, const gchar *const *texts, gint n_texts) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint tavrel_model_data_table_model_insert (TavrelModelDataTableModel *self, gint position, TavrelModelDataRowModel *row) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_table_model_delete (TavrelModelDataTableModel *self, TavrelModelDataRowModel *row) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataRowModel *tavrel_model_data_table_model_delete_at (TavrelModelDataTableModel *self, gint position) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_data_table_model_find (TavrelModelDataTableModel *self, TavrelModelDataRowModel *row, gint *position) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_table_model_clear (TavrelModelDataTableModel *self, gboolean columns) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_table_model_update_row_version (TavrelModelDataTableModel *self, gint position, TavrelModelTransformDataVersion version) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_data_table_model_get_entity (TavrelModelDataTableModel *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_data_table_model_get_schema (TavrelModelDataTableModel *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_data_table_model_get_statements (TavrelModelDataTableModel *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_data_table_model_get_rows (TavrelModelDataTableModel *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_data_table_model_get_columns (TavrelModelDataTableModel *self) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Data sets and results (Data/model_dataset, Data/model_result)
 * ====================================================================== */

#define TAVREL_MODEL_DATA_TYPE_INVALID_RESULT (tavrel_model_data_invalid_result_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataInvalidResult, tavrel_model_data_invalid_result, TAVREL_MODEL_DATA, INVALID_RESULT, GObject)

struct _TavrelModelDataInvalidResultClass {
  GObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataInvalidResult *tavrel_model_data_invalid_result_new (const gchar *error_code, const gchar *error_message) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataInvalidResult *tavrel_model_data_invalid_result_construct (GType object_type, const gchar *error_code, const gchar *error_message) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_data_invalid_result_get_code (TavrelModelDataInvalidResult *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_invalid_result_set_code (TavrelModelDataInvalidResult *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_data_invalid_result_get_message (TavrelModelDataInvalidResult *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_invalid_result_set_message (TavrelModelDataInvalidResult *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

#define TAVREL_MODEL_DATA_TYPE_SCALAR_RESULT (tavrel_model_data_scalar_result_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataScalarResult, tavrel_model_data_scalar_result, TAVREL_MODEL_DATA, SCALAR_RESULT, GObject)

struct _TavrelModelDataScalarResultClass {
  GObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataScalarResult *tavrel_model_data_scalar_result_new (gint32 rows) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataScalarResult *tavrel_model_data_scalar_result_construct (GType object_type, gint32 rows) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint32 tavrel_model_data_scalar_result_get_rows (TavrelModelDataScalarResult *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_data_scalar_result_set_rows (TavrelModelDataScalarResult *self, gint32 value) TAVREL_MODEL_NOEXCEPT;

/* An ordered set of tables, exposed as a GListModel.  Its producer fills it
 * through get_tables, which announces nothing. */
#define TAVREL_MODEL_DATA_TYPE_DATA_SET_MODEL (tavrel_model_data_data_set_model_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataDataSetModel, tavrel_model_data_data_set_model, TAVREL_MODEL_DATA, DATA_SET_MODEL, GObject)

struct _TavrelModelDataDataSetModelClass {
  GObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelDataDataSetModel *tavrel_model_data_data_set_model_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelDataDataSetModel *tavrel_model_data_data_set_model_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API GeeArrayList *tavrel_model_data_data_set_model_get_tables (TavrelModelDataDataSetModel *self) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Server connection profiles (Setting/server)
 * ====================================================================== */

#define TAVREL_MODEL_SETTING_TYPE_SERVER (tavrel_model_setting_server_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelSettingServer, tavrel_model_setting_server, TAVREL_MODEL_SETTING, SERVER, GObject)

struct _TavrelModelSettingServerClass {
  GObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelSettingServer *tavrel_model_setting_server_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelSettingServer *tavrel_model_setting_server_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelSettingServer *tavrel_model_setting_server_new_with_provider (const gchar *provider) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelSettingServer *tavrel_model_setting_server_construct_with_provider (GType object_type, const gchar *provider) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelSettingServer *tavrel_model_setting_server_clone (TavrelModelSettingServer *self, gboolean new_identity) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gchar *tavrel_model_setting_server_to_string (TavrelModelSettingServer *self, gboolean with_identity) TAVREL_MODEL_NOEXCEPT;
/* get_databases hands out a borrowed NULL-terminated vector, never NULL for
 * a profile; length may be NULL.  set_databases copies the first length
 * strings of value, none of which may be NULL. */
TAVREL_MODEL_API const gchar *const *tavrel_model_setting_server_get_databases (TavrelModelSettingServer *self, gint *length) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_databases (TavrelModelSettingServer *self, const gchar *const *value, gint length) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_uuid (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_uuid (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_provider (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_provider (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_driver (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_driver (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_title (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_title (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_host (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_host (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint tavrel_model_setting_server_get_port (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_port (TavrelModelSettingServer *self, gint value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_instance (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_instance (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_username (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_username (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_password (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_password (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_initial (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_initial (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_filename (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_filename (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_location (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_location (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_extensions (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_extensions (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_options (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_options (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_setting_server_get_ssh_using (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_using (TavrelModelSettingServer *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssh_process (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_process (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssh_host (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_host (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint tavrel_model_setting_server_get_ssh_port (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_port (TavrelModelSettingServer *self, gint value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssh_auth_type (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_auth_type (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssh_username (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_username (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssh_password (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_password (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssh_key_private_file (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_key_private_file (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_setting_server_get_http_using (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_using (TavrelModelSettingServer *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_process (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_process (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_protocol (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_protocol (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_host (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_host (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gint tavrel_model_setting_server_get_http_port (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_port (TavrelModelSettingServer *self, gint value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_setting_server_get_http_auth (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_auth (TavrelModelSettingServer *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_username (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_username (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_password (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_password (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_ca_file (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_ca_file (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_cert_file (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_cert_file (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_key_file (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_key_file (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_setting_server_get_ssl_using (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssl_using (TavrelModelSettingServer *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssl_ca_file (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssl_ca_file (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssl_cert_file (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssl_cert_file (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssl_key_file (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssl_key_file (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssl_mode (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssl_mode (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssl_password (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssl_password (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Network proxy settings (Setting/network)
 * ====================================================================== */

#define TAVREL_MODEL_SETTING_TYPE_NETWORK_SETTING (tavrel_model_setting_network_setting_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelSettingNetworkSetting, tavrel_model_setting_network_setting, TAVREL_MODEL_SETTING, NETWORK_SETTING, GObject)

struct _TavrelModelSettingNetworkSettingClass {
  GObjectClass parent_class;
};

TAVREL_MODEL_API TavrelModelSettingNetworkSetting *tavrel_model_setting_network_setting_new (void) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API TavrelModelSettingNetworkSetting *tavrel_model_setting_network_setting_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API gboolean tavrel_model_setting_network_setting_get_proxy_using (TavrelModelSettingNetworkSetting *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_network_setting_set_proxy_using (TavrelModelSettingNetworkSetting *self, gboolean value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint32 tavrel_model_setting_network_setting_get_proxy_type (TavrelModelSettingNetworkSetting *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_network_setting_set_proxy_type (TavrelModelSettingNetworkSetting *self, guint32 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_network_setting_get_proxy_host (TavrelModelSettingNetworkSetting *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_network_setting_set_proxy_host (TavrelModelSettingNetworkSetting *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API guint16 tavrel_model_setting_network_setting_get_proxy_port (TavrelModelSettingNetworkSetting *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_network_setting_set_proxy_port (TavrelModelSettingNetworkSetting *self, guint16 value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_network_setting_get_proxy_username (TavrelModelSettingNetworkSetting *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_network_setting_set_proxy_username (TavrelModelSettingNetworkSetting *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API const gchar *tavrel_model_setting_network_setting_get_proxy_password (TavrelModelSettingNetworkSetting *self) TAVREL_MODEL_NOEXCEPT;
TAVREL_MODEL_API void tavrel_model_setting_network_setting_set_proxy_password (TavrelModelSettingNetworkSetting *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

G_END_DECLS

/* The catalogue metadata model, and the patcher that compares data and
 * catalogues. */
#include "libmodel-meta.h"
#include "libmodel-transform.h"

#endif /* TAVREL_MODEL_H */
