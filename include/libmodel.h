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
 * get_type functions are declared by GLib's type macros and carry no mark. */
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

/**
 * TAVREL_MODEL_DECLARE_DERIVABLE:
 * @ModuleObjName: the type's name in camel case
 * @module_obj_name: the type's name in lower case with underscores
 * @MODULE: the namespace's prefix in upper case
 * @OBJ_NAME: the type's bare name in upper case
 * @ParentName: the parent type's name
 *
 * Declares a derivable class as G_DECLARE_DERIVABLE_TYPE() does, with its
 * get_type function exported.  GLib's macro opens with that function's
 * declaration, so the export mark in front applies to it: one declaration,
 * as introspection and the linker expect.
 */
#define TAVREL_MODEL_DECLARE_DERIVABLE(ModuleObjName, module_obj_name, MODULE, OBJ_NAME, ParentName) \
  TAVREL_MODEL_API G_DECLARE_DERIVABLE_TYPE (ModuleObjName, module_obj_name, MODULE, OBJ_NAME, ParentName)

/**
 * TAVREL_MODEL_DECLARE_INTERFACE:
 * @ModuleObjName: the interface's name in camel case
 * @module_obj_name: the interface's name in lower case with underscores
 * @MODULE: the namespace's prefix in upper case
 * @OBJ_NAME: the interface's bare name in upper case
 * @Prerequisite: the prerequisite type's name
 *
 * Declares an interface as G_DECLARE_INTERFACE() does, with its get_type
 * function exported.
 */
#define TAVREL_MODEL_DECLARE_INTERFACE(ModuleObjName, module_obj_name, MODULE, OBJ_NAME, Prerequisite) \
  TAVREL_MODEL_API G_DECLARE_INTERFACE (ModuleObjName, module_obj_name, MODULE, OBJ_NAME, Prerequisite)

/* ======================================================================
 * Value kinds (Data/value_object)
 * ====================================================================== */

/**
 * TavrelModelDataDataType:
 * @TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN: no known kind; the base class's kind
 * @TAVREL_MODEL_DATA_DATA_TYPE_DBNULL: the database NULL
 * @TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN: a truth value
 * @TAVREL_MODEL_DATA_DATA_TYPE_CHAR: a character
 * @TAVREL_MODEL_DATA_DATA_TYPE_INT8: a signed 8-bit integer
 * @TAVREL_MODEL_DATA_DATA_TYPE_INT16: a signed 16-bit integer
 * @TAVREL_MODEL_DATA_DATA_TYPE_INT32: a signed 32-bit integer
 * @TAVREL_MODEL_DATA_DATA_TYPE_INT64: a signed 64-bit integer
 * @TAVREL_MODEL_DATA_DATA_TYPE_UINT8: an unsigned 8-bit integer
 * @TAVREL_MODEL_DATA_DATA_TYPE_UINT16: an unsigned 16-bit integer
 * @TAVREL_MODEL_DATA_DATA_TYPE_UINT32: an unsigned 32-bit integer
 * @TAVREL_MODEL_DATA_DATA_TYPE_UINT64: an unsigned 64-bit integer
 * @TAVREL_MODEL_DATA_DATA_TYPE_ENUM: a member of an enumeration
 * @TAVREL_MODEL_DATA_DATA_TYPE_FLAGS: a combination of flags
 * @TAVREL_MODEL_DATA_DATA_TYPE_SET: a set of members
 * @TAVREL_MODEL_DATA_DATA_TYPE_MONEY: an amount of money
 * @TAVREL_MODEL_DATA_DATA_TYPE_DECIMAL: a decimal number
 * @TAVREL_MODEL_DATA_DATA_TYPE_FLOAT: a single-precision number
 * @TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE: a double-precision number
 * @TAVREL_MODEL_DATA_DATA_TYPE_DATE: a calendar date
 * @TAVREL_MODEL_DATA_DATA_TYPE_TIME: a time of day
 * @TAVREL_MODEL_DATA_DATA_TYPE_DATETIME: a date and time
 * @TAVREL_MODEL_DATA_DATA_TYPE_TIMESPAN: a time span
 * @TAVREL_MODEL_DATA_DATA_TYPE_TIMESTAMP: a time stamp (read as a date and
 *   time)
 * @TAVREL_MODEL_DATA_DATA_TYPE_STRING: UTF-8 text
 * @TAVREL_MODEL_DATA_DATA_TYPE_WSTRING: UTF-16 text
 * @TAVREL_MODEL_DATA_DATA_TYPE_XML: XML text
 * @TAVREL_MODEL_DATA_DATA_TYPE_UUID: a UUID
 * @TAVREL_MODEL_DATA_DATA_TYPE_JSON: JSON text
 * @TAVREL_MODEL_DATA_DATA_TYPE_GEOMETRY: geometry
 * @TAVREL_MODEL_DATA_DATA_TYPE_GEOGRAPHY: geography
 * @TAVREL_MODEL_DATA_DATA_TYPE_BINARY: binary data
 * @TAVREL_MODEL_DATA_DATA_TYPE_BLOB: a binary large object
 * @TAVREL_MODEL_DATA_DATA_TYPE_OBJECT: an object
 * @TAVREL_MODEL_DATA_DATA_TYPE_POINTER: a pointer
 * @TAVREL_MODEL_DATA_DATA_TYPE_VARIANT: a variant
 * @TAVREL_MODEL_DATA_DATA_TYPE_ARRAY: an array
 * @TAVREL_MODEL_DATA_DATA_TYPE_VECTOR: a vector
 * @TAVREL_MODEL_DATA_DATA_TYPE_RANGE: a range
 * @TAVREL_MODEL_DATA_DATA_TYPE_COMPOSITE: a composite value
 * @TAVREL_MODEL_DATA_DATA_TYPE_ERROR: an error in place of a value
 *
 * The kinds of value, numbered 0 to 40. Their nicks are the lower-case names
 * ("int32"); tavrel_model_data_data_type_get_glib_type() gives the GLib type
 * each converts to.
 */
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

/**
 * tavrel_model_data_data_type_to_string:
 * @self: a value kind
 *
 * Names a value kind.
 *
 * Returns: (transfer full) (nullable): the kind's nick ("int32" for
 *   %TAVREL_MODEL_DATA_DATA_TYPE_INT32), or %NULL for a number that is no kind
 */
TAVREL_MODEL_API gchar *tavrel_model_data_data_type_to_string (TavrelModelDataDataType self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_data_type_get_glib_type:
 * @self: a value kind
 *
 * Gives the GLib type a value of this kind converts to.
 *
 * Returns: the #GType; %G_TYPE_STRING for kinds that convert to text
 */
TAVREL_MODEL_API GType tavrel_model_data_data_type_get_glib_type (TavrelModelDataDataType self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_data_type_get_data_type:
 * @type: a #GType
 *
 * Gives the value kind of a GLib type, by its fundamental type or else by its
 * registered name.
 *
 * Returns: the value kind, %TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN when none
 *   fits
 */
TAVREL_MODEL_API TavrelModelDataDataType tavrel_model_data_data_type_get_data_type (GType type) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Change flags (Transform/data_version)
 * ====================================================================== */

/**
 * TavrelModelTransformDataVersion:
 * @TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL: as read; no change
 * @TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL: compared and found equal
 * @TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE: deleted, or marked for
 *   deletion
 * @TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT: inserted, not yet stored
 * @TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE: changed
 *
 * The change flags of rows and of catalogue change records.
 */
typedef enum TAVREL_MODEL_FLAGS {
  TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL = 0,
  TAVREL_MODEL_TRANSFORM_DATA_VERSION_IDENTICAL = 1 << 0,
  TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE = 1 << 1,
  TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT = 1 << 2,
  TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE = 1 << 3
} TavrelModelTransformDataVersion;

#define TAVREL_MODEL_TRANSFORM_TYPE_DATA_VERSION (tavrel_model_transform_data_version_get_type ())
TAVREL_MODEL_API GType tavrel_model_transform_data_version_get_type (void) G_GNUC_CONST;

/**
 * tavrel_model_transform_data_version_all:
 *
 * Gives every change flag at once.
 *
 * Returns: the four flags combined
 */
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_transform_data_version_all (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_transform_data_version_to_string:
 * @self: a change version
 *
 * Names a change version by its first flag: %TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL
 * for no flag at all.
 *
 * Returns: (transfer full) (nullable): the upper-case name ("UPDATE"), or
 *   %NULL when the version holds none of the four flags, only other bits
 */
TAVREL_MODEL_API gchar *tavrel_model_transform_data_version_to_string (TavrelModelTransformDataVersion self) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * The value interface and the base value classes (Data/value_object)
 * ====================================================================== */

typedef struct _TavrelModelDataValueObject TavrelModelDataValueObject;

/**
 * TavrelModelDataIValue:
 *
 * The contract every cell value fulfils: it renders itself as text, converts
 * itself to a #GValue, copies and describes itself, and tells its kind.
 *
 * #TavrelModelDataValueObject implements it by calling its own class
 * operations, so a value class overrides those and both entry points follow.
 * tavrel_model_data_ivalue_factory() builds a value of any kind from a cell's
 * text.
 */
/**
 * TavrelModelDataIValue:data-type:
 *
 * The value's kind.
 */
/**
 * TavrelModelDataIValue:is-null:
 *
 * Whether the value is the database NULL.
 */
/**
 * TavrelModelDataIValue:name:
 *
 * The kind's short name (not a column name).
 */
#define TAVREL_MODEL_DATA_TYPE_IVALUE (tavrel_model_data_ivalue_get_type ())
TAVREL_MODEL_DECLARE_INTERFACE (TavrelModelDataIValue, tavrel_model_data_ivalue, TAVREL_MODEL_DATA, IVALUE, GObject)

/*
 * The slots are hidden from introspection: ValueObject fills them with its
 * own class operations, and a binding that saw both would not know which
 * one a subclass's to_string overrides.  Value classes of other languages
 * derive from ValueObject and override its operations.
 */
struct _TavrelModelDataIValueInterface {
  GTypeInterface parent_iface;
#ifndef __GI_SCANNER__
  void (*to_value) (TavrelModelDataIValue *self, GValue *result);
  gchar *(*to_string) (TavrelModelDataIValue *self);
  TavrelModelDataIValue *(*clone) (TavrelModelDataIValue *self);
  gchar *(*dump) (TavrelModelDataIValue *self);
  const gchar *(*get_name) (TavrelModelDataIValue *self);
  TavrelModelDataDataType (*get_data_type) (TavrelModelDataIValue *self);
  gboolean (*get_is_null) (TavrelModelDataIValue *self);
#else
  gpointer slots[7];
#endif
};

/**
 * tavrel_model_data_ivalue_to_value:
 * @self: a #TavrelModelDataIValue
 * @result: (out caller-allocates): an uninitialised #GValue to fill; unset it
 *   when done
 *
 * Converts the value to a #GValue of its natural GLib type.
 */
TAVREL_MODEL_API void tavrel_model_data_ivalue_to_value (TavrelModelDataIValue *self, GValue *result) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_ivalue_to_string:
 * @self: a #TavrelModelDataIValue
 *
 * Renders the value as text.
 *
 * Returns: (transfer full) (nullable): the text, or %NULL for a text value
 *   whose text is %NULL
 */
TAVREL_MODEL_API gchar *tavrel_model_data_ivalue_to_string (TavrelModelDataIValue *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_ivalue_clone:
 * @self: a #TavrelModelDataIValue
 *
 * Copies the value.
 *
 * Returns: (transfer full) (nullable): a new value of the same class holding
 *   the same value, or %NULL when the value cannot be rebuilt (a text value
 *   whose text is %NULL)
 */
TAVREL_MODEL_API TavrelModelDataIValue *tavrel_model_data_ivalue_clone (TavrelModelDataIValue *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_ivalue_dump:
 * @self: a #TavrelModelDataIValue
 *
 * Describes the value for debugging, as "type => text".
 *
 * Returns: (transfer full): the description, e.g. "TavrelModelDataValueInt32
 *   => 42"
 */
TAVREL_MODEL_API gchar *tavrel_model_data_ivalue_dump (TavrelModelDataIValue *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_ivalue_get_name:
 * @self: a #TavrelModelDataIValue
 *
 * Gives the kind's short name (not a column name).
 *
 * Returns: (transfer none): the name, owned by the class
 */
TAVREL_MODEL_API const gchar *tavrel_model_data_ivalue_get_name (TavrelModelDataIValue *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_ivalue_get_data_type:
 * @self: a #TavrelModelDataIValue
 *
 * Gives the value's kind.
 *
 * Returns: the kind
 */
TAVREL_MODEL_API TavrelModelDataDataType tavrel_model_data_ivalue_get_data_type (TavrelModelDataIValue *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_ivalue_get_is_null:
 * @self: a #TavrelModelDataIValue
 *
 * Tells whether the value is the database NULL.
 *
 * Returns: %TRUE only for #TavrelModelDataValueNull
 */
TAVREL_MODEL_API gboolean tavrel_model_data_ivalue_get_is_null (TavrelModelDataIValue *self) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueObject:
 *
 * The base class of every value class.
 *
 * It holds nothing of its own: to_string gives "", to_value an empty string,
 * clone a plain #TavrelModelDataValueObject and the kind is
 * %TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN. A value class of the caller's own
 * derives from it and overrides the class operations (in C through the class
 * struct, in Python as `do_to_string` and so on).
 */
/**
 * TavrelModelDataValueObject:data-type:
 *
 * The value's kind.
 */
/**
 * TavrelModelDataValueObject:is-null:
 *
 * Whether the value is the database NULL.
 */
/**
 * TavrelModelDataValueObject:name:
 *
 * The kind's short name, "UNKNOWN" for the base class.
 */
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

/**
 * tavrel_model_data_value_object_new:
 *
 * Creates a plain value: it renders as "" and has no kind.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueObject
 */
TAVREL_MODEL_API TavrelModelDataValueObject *tavrel_model_data_value_object_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_object_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueObject or a
 *   type derived from it
 *
 * Creates a plain value: it renders as "" and has no kind, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueObject *tavrel_model_data_value_object_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_object_to_value:
 * @self: a #TavrelModelDataValueObject
 * @result: (out caller-allocates): an uninitialised #GValue to fill; unset it
 *   when done
 *
 * Converts the value to a #GValue of its natural GLib type.
 */
TAVREL_MODEL_API void tavrel_model_data_value_object_to_value (TavrelModelDataValueObject *self, GValue *result) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_object_to_string:
 * @self: a #TavrelModelDataValueObject
 *
 * Renders the value as text.
 *
 * Returns: (transfer full) (nullable): the text, or %NULL for a text value
 *   whose text is %NULL
 */
TAVREL_MODEL_API gchar *tavrel_model_data_value_object_to_string (TavrelModelDataValueObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_object_clone:
 * @self: a #TavrelModelDataValueObject
 *
 * Copies the value.
 *
 * Returns: (transfer full) (nullable): a new value of the same class holding
 *   the same value, or %NULL when the value cannot be rebuilt (a text value
 *   whose text is %NULL)
 */
TAVREL_MODEL_API TavrelModelDataValueObject *tavrel_model_data_value_object_clone (TavrelModelDataValueObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_object_dump:
 * @self: a #TavrelModelDataValueObject
 *
 * Describes the value for debugging, as "type => text".
 *
 * Returns: (transfer full): the description, e.g. "TavrelModelDataValueInt32
 *   => 42"
 */
TAVREL_MODEL_API gchar *tavrel_model_data_value_object_dump (TavrelModelDataValueObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_object_get_name:
 * @self: a #TavrelModelDataValueObject
 *
 * Gives the kind's short name (not a column name).
 *
 * Returns: (transfer none): the name, owned by the class
 */
TAVREL_MODEL_API const gchar *tavrel_model_data_value_object_get_name (TavrelModelDataValueObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_object_get_data_type:
 * @self: a #TavrelModelDataValueObject
 *
 * Gives the value's kind.
 *
 * Returns: the kind
 */
TAVREL_MODEL_API TavrelModelDataDataType tavrel_model_data_value_object_get_data_type (TavrelModelDataValueObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_object_get_is_null:
 * @self: a #TavrelModelDataValueObject
 *
 * Tells whether the value is the database NULL.
 *
 * Returns: %TRUE only for #TavrelModelDataValueNull
 */
TAVREL_MODEL_API gboolean tavrel_model_data_value_object_get_is_null (TavrelModelDataValueObject *self) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueNull:
 *
 * The database NULL. It renders as "" and converts to the string "NULL"; it
 * is the only value whose #TavrelModelDataIValue:is-null is %TRUE.
 */
/**
 * TavrelModelDataValueNull:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_DBNULL.
 */
/**
 * TavrelModelDataValueNull:itsvalue:
 *
 * Always "NULL".
 */
/**
 * TavrelModelDataValueNull:name:
 *
 * The kind's short name, "NULL".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_NULL (tavrel_model_data_value_null_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueNull, tavrel_model_data_value_null, TAVREL_MODEL_DATA, VALUE_NULL, TavrelModelDataValueObject)

struct _TavrelModelDataValueNullClass {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_null_new:
 *
 * Creates the database NULL.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueNull
 */
TAVREL_MODEL_API TavrelModelDataValueNull *tavrel_model_data_value_null_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_null_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueNull or a type
 *   derived from it
 *
 * Creates the database NULL, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueNull *tavrel_model_data_value_null_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_null_get_itsvalue:
 * @self: a #TavrelModelDataValueNull
 *
 * Gives the text "NULL".
 *
 * Returns: (transfer none): "NULL", owned by the class
 */
TAVREL_MODEL_API const gchar *tavrel_model_data_value_null_get_itsvalue (TavrelModelDataValueNull *self) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueError:
 *
 * An error code with a message in place of a value. It renders as
 * "code:message" and converts to a #GError of the domain "SQL".
 */
/**
 * TavrelModelDataValueError:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_ERROR.
 */
/**
 * TavrelModelDataValueError:itsvalue:
 *
 * The code and message as "code:message".
 */
/**
 * TavrelModelDataValueError:name:
 *
 * The kind's short name, "error".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_ERROR (tavrel_model_data_value_error_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueError, tavrel_model_data_value_error, TAVREL_MODEL_DATA, VALUE_ERROR, TavrelModelDataValueObject)

struct _TavrelModelDataValueErrorClass {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_error_new:
 * @code: the error code
 * @message: the error message, copied
 *
 * Creates an error value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueError
 */
TAVREL_MODEL_API TavrelModelDataValueError *tavrel_model_data_value_error_new (gint32 code, const gchar *message) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_error_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueError or a type
 *   derived from it
 * @code: the error code
 * @message: the error message, copied
 *
 * Creates an error value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueError *tavrel_model_data_value_error_construct (GType object_type, gint32 code, const gchar *message) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_error_get_itsvalue:
 * @self: a #TavrelModelDataValueError
 *
 * Renders the code and message.
 *
 * Returns: (transfer full): "code:message"
 */
TAVREL_MODEL_API gchar *tavrel_model_data_value_error_get_itsvalue (TavrelModelDataValueError *self) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Values: integers (Data/value_scalar)
 * ====================================================================== */

/**
 * TavrelModelDataIInteger:
 *
 * Reads any integer value as a signed 64-bit number. An unsigned value too
 * large for it reads as %G_MAXINT64.
 */
#define TAVREL_MODEL_DATA_TYPE_IINTEGER (tavrel_model_data_iinteger_get_type ())
TAVREL_MODEL_DECLARE_INTERFACE (TavrelModelDataIInteger, tavrel_model_data_iinteger, TAVREL_MODEL_DATA, IINTEGER, GObject)

struct _TavrelModelDataIIntegerInterface {
  GTypeInterface parent_iface;
  gint64 (*to_integer) (TavrelModelDataIInteger *self);
};

/**
 * tavrel_model_data_iinteger_to_integer:
 * @self: a #TavrelModelDataIInteger
 *
 * Reads the integer as a signed 64-bit number.
 *
 * Returns: the number; %G_MAXINT64 for an unsigned value above it
 */
TAVREL_MODEL_API gint64 tavrel_model_data_iinteger_to_integer (TavrelModelDataIInteger *self) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataIUnsigned:
 *
 * Reads an unsigned value as an unsigned 64-bit number; every
 * #TavrelModelDataIUnsigned is also a #TavrelModelDataIInteger.
 */
#define TAVREL_MODEL_DATA_TYPE_IUNSIGNED (tavrel_model_data_iunsigned_get_type ())
TAVREL_MODEL_DECLARE_INTERFACE (TavrelModelDataIUnsigned, tavrel_model_data_iunsigned, TAVREL_MODEL_DATA, IUNSIGNED, TavrelModelDataIInteger)

struct _TavrelModelDataIUnsignedInterface {
  GTypeInterface parent_iface;
  guint64 (*to_unsigned) (TavrelModelDataIUnsigned *self);
};

/**
 * tavrel_model_data_iunsigned_to_unsigned:
 * @self: a #TavrelModelDataIUnsigned
 *
 * Reads the integer as an unsigned 64-bit number.
 *
 * Returns: the number
 */
TAVREL_MODEL_API guint64 tavrel_model_data_iunsigned_to_unsigned (TavrelModelDataIUnsigned *self) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueInt8:
 *
 * A signed 8-bit integer; renders in decimal.
 */
/**
 * TavrelModelDataValueInt8:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_INT8.
 */
/**
 * TavrelModelDataValueInt8:itsvalue:
 *
 * The signed 8-bit integer held.
 */
/**
 * TavrelModelDataValueInt8:name:
 *
 * The kind's short name, "byte".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_INT8 (tavrel_model_data_value_int8_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueInt8, tavrel_model_data_value_int8, TAVREL_MODEL_DATA, VALUE_INT8, TavrelModelDataValueObject)

struct _TavrelModelDataValueInt8Class {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_int8_new:
 * @value: the value to hold
 *
 * Creates a value holding @value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueInt8
 */
TAVREL_MODEL_API TavrelModelDataValueInt8 *tavrel_model_data_value_int8_new (gint8 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int8_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueInt8 or a type
 *   derived from it
 * @value: the value to hold
 *
 * Creates a value holding @value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueInt8 *tavrel_model_data_value_int8_construct (GType object_type, gint8 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int8_get_int8:
 * @self: a #TavrelModelDataValueInt8
 *
 * Reads the value held; the same as the int8 itsvalue getter.
 *
 * Returns: the value held
 */
TAVREL_MODEL_API gint8 tavrel_model_data_value_int8_get_int8 (TavrelModelDataValueInt8 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int8_get_itsvalue:
 * @self: a #TavrelModelDataValueInt8
 *
 * Gets the signed 8-bit integer held.
 *
 * Returns: the signed 8-bit integer held
 */
TAVREL_MODEL_API gint8 tavrel_model_data_value_int8_get_itsvalue (TavrelModelDataValueInt8 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int8_set_itsvalue:
 * @self: a #TavrelModelDataValueInt8
 * @value: the new value
 *
 * Sets the signed 8-bit integer held.
 */
TAVREL_MODEL_API void tavrel_model_data_value_int8_set_itsvalue (TavrelModelDataValueInt8 *self, gint8 value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueInt16:
 *
 * A signed 16-bit integer; renders in decimal.
 */
/**
 * TavrelModelDataValueInt16:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_INT16.
 */
/**
 * TavrelModelDataValueInt16:itsvalue:
 *
 * The signed 16-bit integer held.
 */
/**
 * TavrelModelDataValueInt16:name:
 *
 * The kind's short name, "int16".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_INT16 (tavrel_model_data_value_int16_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueInt16, tavrel_model_data_value_int16, TAVREL_MODEL_DATA, VALUE_INT16, TavrelModelDataValueObject)

struct _TavrelModelDataValueInt16Class {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_int16_new:
 * @value: the value to hold
 *
 * Creates a value holding @value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueInt16
 */
TAVREL_MODEL_API TavrelModelDataValueInt16 *tavrel_model_data_value_int16_new (gint16 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int16_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueInt16 or a type
 *   derived from it
 * @value: the value to hold
 *
 * Creates a value holding @value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueInt16 *tavrel_model_data_value_int16_construct (GType object_type, gint16 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int16_get_int16:
 * @self: a #TavrelModelDataValueInt16
 *
 * Reads the value held; the same as the int16 itsvalue getter.
 *
 * Returns: the value held
 */
TAVREL_MODEL_API gint16 tavrel_model_data_value_int16_get_int16 (TavrelModelDataValueInt16 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int16_get_itsvalue:
 * @self: a #TavrelModelDataValueInt16
 *
 * Gets the signed 16-bit integer held.
 *
 * Returns: the signed 16-bit integer held
 */
TAVREL_MODEL_API gint16 tavrel_model_data_value_int16_get_itsvalue (TavrelModelDataValueInt16 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int16_set_itsvalue:
 * @self: a #TavrelModelDataValueInt16
 * @value: the new value
 *
 * Sets the signed 16-bit integer held.
 */
TAVREL_MODEL_API void tavrel_model_data_value_int16_set_itsvalue (TavrelModelDataValueInt16 *self, gint16 value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueInt32:
 *
 * A signed 32-bit integer; renders in decimal.
 */
/**
 * TavrelModelDataValueInt32:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_INT32.
 */
/**
 * TavrelModelDataValueInt32:itsvalue:
 *
 * The signed 32-bit integer held.
 */
/**
 * TavrelModelDataValueInt32:name:
 *
 * The kind's short name, "int32".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_INT32 (tavrel_model_data_value_int32_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueInt32, tavrel_model_data_value_int32, TAVREL_MODEL_DATA, VALUE_INT32, TavrelModelDataValueObject)

struct _TavrelModelDataValueInt32Class {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_int32_new:
 * @value: the value to hold
 *
 * Creates a value holding @value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueInt32
 */
TAVREL_MODEL_API TavrelModelDataValueInt32 *tavrel_model_data_value_int32_new (gint32 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int32_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueInt32 or a type
 *   derived from it
 * @value: the value to hold
 *
 * Creates a value holding @value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueInt32 *tavrel_model_data_value_int32_construct (GType object_type, gint32 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int32_get_int32:
 * @self: a #TavrelModelDataValueInt32
 *
 * Reads the value held; the same as the int32 itsvalue getter.
 *
 * Returns: the value held
 */
TAVREL_MODEL_API gint32 tavrel_model_data_value_int32_get_int32 (TavrelModelDataValueInt32 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int32_get_itsvalue:
 * @self: a #TavrelModelDataValueInt32
 *
 * Gets the signed 32-bit integer held.
 *
 * Returns: the signed 32-bit integer held
 */
TAVREL_MODEL_API gint32 tavrel_model_data_value_int32_get_itsvalue (TavrelModelDataValueInt32 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int32_set_itsvalue:
 * @self: a #TavrelModelDataValueInt32
 * @value: the new value
 *
 * Sets the signed 32-bit integer held.
 */
TAVREL_MODEL_API void tavrel_model_data_value_int32_set_itsvalue (TavrelModelDataValueInt32 *self, gint32 value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueInt64:
 *
 * A signed 64-bit integer; renders in decimal.
 */
/**
 * TavrelModelDataValueInt64:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_INT64.
 */
/**
 * TavrelModelDataValueInt64:itsvalue:
 *
 * The signed 64-bit integer held.
 */
/**
 * TavrelModelDataValueInt64:name:
 *
 * The kind's short name, "int64".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_INT64 (tavrel_model_data_value_int64_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueInt64, tavrel_model_data_value_int64, TAVREL_MODEL_DATA, VALUE_INT64, TavrelModelDataValueObject)

struct _TavrelModelDataValueInt64Class {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_int64_new:
 * @value: the value to hold
 *
 * Creates a value holding @value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueInt64
 */
TAVREL_MODEL_API TavrelModelDataValueInt64 *tavrel_model_data_value_int64_new (gint64 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int64_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueInt64 or a type
 *   derived from it
 * @value: the value to hold
 *
 * Creates a value holding @value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueInt64 *tavrel_model_data_value_int64_construct (GType object_type, gint64 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int64_get_int64:
 * @self: a #TavrelModelDataValueInt64
 *
 * Reads the value held; the same as the int64 itsvalue getter.
 *
 * Returns: the value held
 */
TAVREL_MODEL_API gint64 tavrel_model_data_value_int64_get_int64 (TavrelModelDataValueInt64 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int64_get_itsvalue:
 * @self: a #TavrelModelDataValueInt64
 *
 * Gets the signed 64-bit integer held.
 *
 * Returns: the signed 64-bit integer held
 */
TAVREL_MODEL_API gint64 tavrel_model_data_value_int64_get_itsvalue (TavrelModelDataValueInt64 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_int64_set_itsvalue:
 * @self: a #TavrelModelDataValueInt64
 * @value: the new value
 *
 * Sets the signed 64-bit integer held.
 */
TAVREL_MODEL_API void tavrel_model_data_value_int64_set_itsvalue (TavrelModelDataValueInt64 *self, gint64 value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueUInt8:
 *
 * A unsigned 8-bit integer; renders in decimal.
 */
/**
 * TavrelModelDataValueUInt8:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_UINT8.
 */
/**
 * TavrelModelDataValueUInt8:itsvalue:
 *
 * The unsigned 8-bit integer held.
 */
/**
 * TavrelModelDataValueUInt8:name:
 *
 * The kind's short name, "uint8".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_UINT8 (tavrel_model_data_value_uint8_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueUInt8, tavrel_model_data_value_uint8, TAVREL_MODEL_DATA, VALUE_UINT8, TavrelModelDataValueObject)

struct _TavrelModelDataValueUInt8Class {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_uint8_new:
 * @value: the value to hold
 *
 * Creates a value holding @value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueUInt8
 */
TAVREL_MODEL_API TavrelModelDataValueUInt8 *tavrel_model_data_value_uint8_new (guint8 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint8_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueUInt8 or a type
 *   derived from it
 * @value: the value to hold
 *
 * Creates a value holding @value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueUInt8 *tavrel_model_data_value_uint8_construct (GType object_type, guint8 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint8_get_uint8:
 * @self: a #TavrelModelDataValueUInt8
 *
 * Reads the value held; the same as the uint8 itsvalue getter.
 *
 * Returns: the value held
 */
TAVREL_MODEL_API guint8 tavrel_model_data_value_uint8_get_uint8 (TavrelModelDataValueUInt8 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint8_get_itsvalue:
 * @self: a #TavrelModelDataValueUInt8
 *
 * Gets the unsigned 8-bit integer held.
 *
 * Returns: the unsigned 8-bit integer held
 */
TAVREL_MODEL_API guint8 tavrel_model_data_value_uint8_get_itsvalue (TavrelModelDataValueUInt8 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint8_set_itsvalue:
 * @self: a #TavrelModelDataValueUInt8
 * @value: the new value
 *
 * Sets the unsigned 8-bit integer held.
 */
TAVREL_MODEL_API void tavrel_model_data_value_uint8_set_itsvalue (TavrelModelDataValueUInt8 *self, guint8 value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueUInt16:
 *
 * A unsigned 16-bit integer; renders in decimal.
 */
/**
 * TavrelModelDataValueUInt16:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_UINT16.
 */
/**
 * TavrelModelDataValueUInt16:itsvalue:
 *
 * The unsigned 16-bit integer held.
 */
/**
 * TavrelModelDataValueUInt16:name:
 *
 * The kind's short name, "uint16".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_UINT16 (tavrel_model_data_value_uint16_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueUInt16, tavrel_model_data_value_uint16, TAVREL_MODEL_DATA, VALUE_UINT16, TavrelModelDataValueObject)

struct _TavrelModelDataValueUInt16Class {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_uint16_new:
 * @value: the value to hold
 *
 * Creates a value holding @value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueUInt16
 */
TAVREL_MODEL_API TavrelModelDataValueUInt16 *tavrel_model_data_value_uint16_new (guint16 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint16_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueUInt16 or a
 *   type derived from it
 * @value: the value to hold
 *
 * Creates a value holding @value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueUInt16 *tavrel_model_data_value_uint16_construct (GType object_type, guint16 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint16_get_uint16:
 * @self: a #TavrelModelDataValueUInt16
 *
 * Reads the value held; the same as the uint16 itsvalue getter.
 *
 * Returns: the value held
 */
TAVREL_MODEL_API guint16 tavrel_model_data_value_uint16_get_uint16 (TavrelModelDataValueUInt16 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint16_get_itsvalue:
 * @self: a #TavrelModelDataValueUInt16
 *
 * Gets the unsigned 16-bit integer held.
 *
 * Returns: the unsigned 16-bit integer held
 */
TAVREL_MODEL_API guint16 tavrel_model_data_value_uint16_get_itsvalue (TavrelModelDataValueUInt16 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint16_set_itsvalue:
 * @self: a #TavrelModelDataValueUInt16
 * @value: the new value
 *
 * Sets the unsigned 16-bit integer held.
 */
TAVREL_MODEL_API void tavrel_model_data_value_uint16_set_itsvalue (TavrelModelDataValueUInt16 *self, guint16 value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueUInt32:
 *
 * A unsigned 32-bit integer; renders in decimal.
 */
/**
 * TavrelModelDataValueUInt32:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_UINT32.
 */
/**
 * TavrelModelDataValueUInt32:itsvalue:
 *
 * The unsigned 32-bit integer held.
 */
/**
 * TavrelModelDataValueUInt32:name:
 *
 * The kind's short name, "uint32".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_UINT32 (tavrel_model_data_value_uint32_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueUInt32, tavrel_model_data_value_uint32, TAVREL_MODEL_DATA, VALUE_UINT32, TavrelModelDataValueObject)

struct _TavrelModelDataValueUInt32Class {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_uint32_new:
 * @value: the value to hold
 *
 * Creates a value holding @value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueUInt32
 */
TAVREL_MODEL_API TavrelModelDataValueUInt32 *tavrel_model_data_value_uint32_new (guint32 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint32_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueUInt32 or a
 *   type derived from it
 * @value: the value to hold
 *
 * Creates a value holding @value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueUInt32 *tavrel_model_data_value_uint32_construct (GType object_type, guint32 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint32_get_uint32:
 * @self: a #TavrelModelDataValueUInt32
 *
 * Reads the value held; the same as the uint32 itsvalue getter.
 *
 * Returns: the value held
 */
TAVREL_MODEL_API guint32 tavrel_model_data_value_uint32_get_uint32 (TavrelModelDataValueUInt32 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint32_get_itsvalue:
 * @self: a #TavrelModelDataValueUInt32
 *
 * Gets the unsigned 32-bit integer held.
 *
 * Returns: the unsigned 32-bit integer held
 */
TAVREL_MODEL_API guint32 tavrel_model_data_value_uint32_get_itsvalue (TavrelModelDataValueUInt32 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint32_set_itsvalue:
 * @self: a #TavrelModelDataValueUInt32
 * @value: the new value
 *
 * Sets the unsigned 32-bit integer held.
 */
TAVREL_MODEL_API void tavrel_model_data_value_uint32_set_itsvalue (TavrelModelDataValueUInt32 *self, guint32 value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueUInt64:
 *
 * A unsigned 64-bit integer; renders in decimal.
 */
/**
 * TavrelModelDataValueUInt64:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_UINT64.
 */
/**
 * TavrelModelDataValueUInt64:itsvalue:
 *
 * The unsigned 64-bit integer held.
 */
/**
 * TavrelModelDataValueUInt64:name:
 *
 * The kind's short name, "uint64".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_UINT64 (tavrel_model_data_value_uint64_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueUInt64, tavrel_model_data_value_uint64, TAVREL_MODEL_DATA, VALUE_UINT64, TavrelModelDataValueObject)

struct _TavrelModelDataValueUInt64Class {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_uint64_new:
 * @value: the value to hold
 *
 * Creates a value holding @value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueUInt64
 */
TAVREL_MODEL_API TavrelModelDataValueUInt64 *tavrel_model_data_value_uint64_new (guint64 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint64_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueUInt64 or a
 *   type derived from it
 * @value: the value to hold
 *
 * Creates a value holding @value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueUInt64 *tavrel_model_data_value_uint64_construct (GType object_type, guint64 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint64_get_uint64:
 * @self: a #TavrelModelDataValueUInt64
 *
 * Reads the value held; the same as the uint64 itsvalue getter.
 *
 * Returns: the value held
 */
TAVREL_MODEL_API guint64 tavrel_model_data_value_uint64_get_uint64 (TavrelModelDataValueUInt64 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint64_get_itsvalue:
 * @self: a #TavrelModelDataValueUInt64
 *
 * Gets the unsigned 64-bit integer held.
 *
 * Returns: the unsigned 64-bit integer held
 */
TAVREL_MODEL_API guint64 tavrel_model_data_value_uint64_get_itsvalue (TavrelModelDataValueUInt64 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uint64_set_itsvalue:
 * @self: a #TavrelModelDataValueUInt64
 * @value: the new value
 *
 * Sets the unsigned 64-bit integer held.
 */
TAVREL_MODEL_API void tavrel_model_data_value_uint64_set_itsvalue (TavrelModelDataValueUInt64 *self, guint64 value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Values: booleans, characters and numerics (Data/value_numeric)
 * ====================================================================== */

/**
 * TavrelModelDataINumeric:
 *
 * Reads a floating-point value (float, double, money, decimal) as a double.
 */
#define TAVREL_MODEL_DATA_TYPE_INUMERIC (tavrel_model_data_inumeric_get_type ())
TAVREL_MODEL_DECLARE_INTERFACE (TavrelModelDataINumeric, tavrel_model_data_inumeric, TAVREL_MODEL_DATA, INUMERIC, GObject)

struct _TavrelModelDataINumericInterface {
  GTypeInterface parent_iface;
  gdouble (*to_double) (TavrelModelDataINumeric *self);
};

/**
 * tavrel_model_data_inumeric_to_double:
 * @self: a #TavrelModelDataINumeric
 *
 * Reads the number as a double.
 *
 * Returns: the number
 */
TAVREL_MODEL_API gdouble tavrel_model_data_inumeric_to_double (TavrelModelDataINumeric *self) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueBoolean:
 *
 * A truth value; renders as "true" or "false".
 */
/**
 * TavrelModelDataValueBoolean:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN.
 */
/**
 * TavrelModelDataValueBoolean:itsvalue:
 *
 * The truth value held.
 */
/**
 * TavrelModelDataValueBoolean:name:
 *
 * The kind's short name, "bool".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_BOOLEAN (tavrel_model_data_value_boolean_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueBoolean, tavrel_model_data_value_boolean, TAVREL_MODEL_DATA, VALUE_BOOLEAN, TavrelModelDataValueObject)

struct _TavrelModelDataValueBooleanClass {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_boolean_new:
 * @value: the value to hold
 *
 * Creates a value holding @value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueBoolean
 */
TAVREL_MODEL_API TavrelModelDataValueBoolean *tavrel_model_data_value_boolean_new (gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_boolean_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueBoolean or a
 *   type derived from it
 * @value: the value to hold
 *
 * Creates a value holding @value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueBoolean *tavrel_model_data_value_boolean_construct (GType object_type, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_boolean_get_boolean:
 * @self: a #TavrelModelDataValueBoolean
 *
 * Reads the value held; the same as the boolean itsvalue getter.
 *
 * Returns: the value held
 */
TAVREL_MODEL_API gboolean tavrel_model_data_value_boolean_get_boolean (TavrelModelDataValueBoolean *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_boolean_get_itsvalue:
 * @self: a #TavrelModelDataValueBoolean
 *
 * Gets the truth value held.
 *
 * Returns: the truth value held
 */
TAVREL_MODEL_API gboolean tavrel_model_data_value_boolean_get_itsvalue (TavrelModelDataValueBoolean *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_boolean_set_itsvalue:
 * @self: a #TavrelModelDataValueBoolean
 * @value: the new value
 *
 * Sets the truth value held.
 */
TAVREL_MODEL_API void tavrel_model_data_value_boolean_set_itsvalue (TavrelModelDataValueBoolean *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueChar:
 *
 * A single character code from 0 to 255; renders as that character in UTF-8.
 */
/**
 * TavrelModelDataValueChar:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_CHAR.
 */
/**
 * TavrelModelDataValueChar:itsvalue:
 *
 * The character code held.
 */
/**
 * TavrelModelDataValueChar:name:
 *
 * The kind's short name, "char".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_CHAR (tavrel_model_data_value_char_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueChar, tavrel_model_data_value_char, TAVREL_MODEL_DATA, VALUE_CHAR, TavrelModelDataValueObject)

struct _TavrelModelDataValueCharClass {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_char_new:
 * @value: the value to hold
 *
 * Creates a value holding @value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueChar
 */
TAVREL_MODEL_API TavrelModelDataValueChar *tavrel_model_data_value_char_new (guchar value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_char_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueChar or a type
 *   derived from it
 * @value: the value to hold
 *
 * Creates a value holding @value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueChar *tavrel_model_data_value_char_construct (GType object_type, guchar value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_char_get_char:
 * @self: a #TavrelModelDataValueChar
 *
 * Reads the value held; the same as the char itsvalue getter.
 *
 * Returns: the value held
 */
TAVREL_MODEL_API guchar tavrel_model_data_value_char_get_char (TavrelModelDataValueChar *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_char_get_itsvalue:
 * @self: a #TavrelModelDataValueChar
 *
 * Gets the character code held.
 *
 * Returns: the character code held
 */
TAVREL_MODEL_API guchar tavrel_model_data_value_char_get_itsvalue (TavrelModelDataValueChar *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_char_set_itsvalue:
 * @self: a #TavrelModelDataValueChar
 * @value: the new value
 *
 * Sets the character code held.
 */
TAVREL_MODEL_API void tavrel_model_data_value_char_set_itsvalue (TavrelModelDataValueChar *self, guchar value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueFloat:
 *
 * A single-precision number; renders independently of the process locale.
 */
/**
 * TavrelModelDataValueFloat:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_FLOAT.
 */
/**
 * TavrelModelDataValueFloat:itsvalue:
 *
 * The number held.
 */
/**
 * TavrelModelDataValueFloat:name:
 *
 * The kind's short name, "float".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_FLOAT (tavrel_model_data_value_float_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueFloat, tavrel_model_data_value_float, TAVREL_MODEL_DATA, VALUE_FLOAT, TavrelModelDataValueObject)

struct _TavrelModelDataValueFloatClass {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_float_new:
 * @value: the value to hold
 *
 * Creates a value holding @value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueFloat
 */
TAVREL_MODEL_API TavrelModelDataValueFloat *tavrel_model_data_value_float_new (gfloat value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_float_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueFloat or a type
 *   derived from it
 * @value: the value to hold
 *
 * Creates a value holding @value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueFloat *tavrel_model_data_value_float_construct (GType object_type, gfloat value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_float_get_itsvalue:
 * @self: a #TavrelModelDataValueFloat
 *
 * Gets the number held.
 *
 * Returns: the number held
 */
TAVREL_MODEL_API gfloat tavrel_model_data_value_float_get_itsvalue (TavrelModelDataValueFloat *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_float_set_itsvalue:
 * @self: a #TavrelModelDataValueFloat
 * @value: the new value
 *
 * Sets the number held.
 */
TAVREL_MODEL_API void tavrel_model_data_value_float_set_itsvalue (TavrelModelDataValueFloat *self, gfloat value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueDouble:
 *
 * A double-precision number; renders independently of the process locale.
 */
/**
 * TavrelModelDataValueDouble:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE.
 */
/**
 * TavrelModelDataValueDouble:itsvalue:
 *
 * The number held.
 */
/**
 * TavrelModelDataValueDouble:name:
 *
 * The kind's short name, "double".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_DOUBLE (tavrel_model_data_value_double_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueDouble, tavrel_model_data_value_double, TAVREL_MODEL_DATA, VALUE_DOUBLE, TavrelModelDataValueObject)

struct _TavrelModelDataValueDoubleClass {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_double_new:
 * @value: the value to hold
 *
 * Creates a value holding @value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueDouble
 */
TAVREL_MODEL_API TavrelModelDataValueDouble *tavrel_model_data_value_double_new (gdouble value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_double_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueDouble or a
 *   type derived from it
 * @value: the value to hold
 *
 * Creates a value holding @value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueDouble *tavrel_model_data_value_double_construct (GType object_type, gdouble value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_double_get_itsvalue:
 * @self: a #TavrelModelDataValueDouble
 *
 * Gets the number held.
 *
 * Returns: the number held
 */
TAVREL_MODEL_API gdouble tavrel_model_data_value_double_get_itsvalue (TavrelModelDataValueDouble *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_double_set_itsvalue:
 * @self: a #TavrelModelDataValueDouble
 * @value: the new value
 *
 * Sets the number held.
 */
TAVREL_MODEL_API void tavrel_model_data_value_double_set_itsvalue (TavrelModelDataValueDouble *self, gdouble value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueMoney:
 *
 * An amount of money held as a double; renders with two decimals.
 */
/**
 * TavrelModelDataValueMoney:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_MONEY.
 */
/**
 * TavrelModelDataValueMoney:itsvalue:
 *
 * The amount held.
 */
/**
 * TavrelModelDataValueMoney:name:
 *
 * The kind's short name, "money".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_MONEY (tavrel_model_data_value_money_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueMoney, tavrel_model_data_value_money, TAVREL_MODEL_DATA, VALUE_MONEY, TavrelModelDataValueObject)

struct _TavrelModelDataValueMoneyClass {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_money_new:
 * @value: the value to hold
 *
 * Creates a value holding @value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueMoney
 */
TAVREL_MODEL_API TavrelModelDataValueMoney *tavrel_model_data_value_money_new (gdouble value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_money_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueMoney or a type
 *   derived from it
 * @value: the value to hold
 *
 * Creates a value holding @value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueMoney *tavrel_model_data_value_money_construct (GType object_type, gdouble value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_money_get_itsvalue:
 * @self: a #TavrelModelDataValueMoney
 *
 * Gets the amount held.
 *
 * Returns: the amount held
 */
TAVREL_MODEL_API gdouble tavrel_model_data_value_money_get_itsvalue (TavrelModelDataValueMoney *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_money_set_itsvalue:
 * @self: a #TavrelModelDataValueMoney
 * @value: the new value
 *
 * Sets the amount held.
 */
TAVREL_MODEL_API void tavrel_model_data_value_money_set_itsvalue (TavrelModelDataValueMoney *self, gdouble value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueDecimal:
 *
 * A decimal number held as a double.
 */
/**
 * TavrelModelDataValueDecimal:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_DECIMAL.
 */
/**
 * TavrelModelDataValueDecimal:itsvalue:
 *
 * The number held.
 */
/**
 * TavrelModelDataValueDecimal:name:
 *
 * The kind's short name, "decimal".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_DECIMAL (tavrel_model_data_value_decimal_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueDecimal, tavrel_model_data_value_decimal, TAVREL_MODEL_DATA, VALUE_DECIMAL, TavrelModelDataValueObject)

struct _TavrelModelDataValueDecimalClass {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_decimal_new:
 * @value: the value to hold
 *
 * Creates a value holding @value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueDecimal
 */
TAVREL_MODEL_API TavrelModelDataValueDecimal *tavrel_model_data_value_decimal_new (gdouble value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_decimal_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueDecimal or a
 *   type derived from it
 * @value: the value to hold
 *
 * Creates a value holding @value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueDecimal *tavrel_model_data_value_decimal_construct (GType object_type, gdouble value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_decimal_get_itsvalue:
 * @self: a #TavrelModelDataValueDecimal
 *
 * Gets the number held.
 *
 * Returns: the number held
 */
TAVREL_MODEL_API gdouble tavrel_model_data_value_decimal_get_itsvalue (TavrelModelDataValueDecimal *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_decimal_set_itsvalue:
 * @self: a #TavrelModelDataValueDecimal
 * @value: the new value
 *
 * Sets the number held.
 */
TAVREL_MODEL_API void tavrel_model_data_value_decimal_set_itsvalue (TavrelModelDataValueDecimal *self, gdouble value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Values: text (Data/value_string)
 * ====================================================================== */

/**
 * TavrelModelDataValueString:
 *
 * UTF-8 text.
 *
 * The asynchronous load and save run on the caller's thread-default main
 * context; the callback gets the value as its source object and is always
 * called after load or save has returned. A load replaces the text only when
 * it succeeds, and without an #TavrelModelDataValueString:itsvalue
 * notification; loading a path where no file exists succeeds and leaves the
 * text as it was. A save writes the text as it was when save was called,
 * through a replacement of the file, so a failed save leaves a previous file
 * in place.
 */
/**
 * TavrelModelDataValueString:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_STRING.
 */
/**
 * TavrelModelDataValueString:itsvalue:
 *
 * The text held; may be %NULL.
 */
/**
 * TavrelModelDataValueString:name:
 *
 * The kind's short name, "string".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_STRING (tavrel_model_data_value_string_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueString, tavrel_model_data_value_string, TAVREL_MODEL_DATA, VALUE_STRING, TavrelModelDataValueObject)

struct _TavrelModelDataValueStringClass {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_string_new:
 * @text: the text, copied
 *
 * Creates a text value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueString
 */
TAVREL_MODEL_API TavrelModelDataValueString *tavrel_model_data_value_string_new (const gchar *text) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_string_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueString or a
 *   type derived from it
 * @text: the text, copied
 *
 * Creates a text value, as an instance of @object_type. For the constructors
 * of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueString *tavrel_model_data_value_string_construct (GType object_type, const gchar *text) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_string_get_itsvalue:
 * @self: a #TavrelModelDataValueString
 *
 * Gets the text held; may be %NULL.
 *
 * Returns: (transfer none) (nullable): the text held; may be %NULL
 */
TAVREL_MODEL_API const gchar *tavrel_model_data_value_string_get_itsvalue (TavrelModelDataValueString *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_string_set_itsvalue:
 * @self: a #TavrelModelDataValueString
 * @value: (nullable): the new text, copied
 *
 * Sets the text held; may be %NULL.
 */
TAVREL_MODEL_API void tavrel_model_data_value_string_set_itsvalue (TavrelModelDataValueString *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_string_load:
 * @self: a #TavrelModelDataValueString
 * @filename: the path of the file to read
 * @callback: (scope async): called on the thread-default main context when
 *   the load is done
 * @user_data: (closure): data for @callback
 *
 * Starts replacing the text with the contents of a file. The value is kept
 * alive until @callback has run.
 */
TAVREL_MODEL_API void tavrel_model_data_value_string_load (TavrelModelDataValueString *self, const gchar *filename, GAsyncReadyCallback callback, gpointer user_data) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_string_load_finish:
 * @self: a #TavrelModelDataValueString
 * @res: the #GAsyncResult passed to the callback
 * @error: return location for a #GError, or %NULL
 *
 * Ends a load started with the matching load function.
 */
TAVREL_MODEL_API void tavrel_model_data_value_string_load_finish (TavrelModelDataValueString *self, GAsyncResult *res, GError **error) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_string_save:
 * @self: a #TavrelModelDataValueString
 * @filename: the path of the file to write
 * @callback: (scope async): called on the thread-default main context when
 *   the save is done
 * @user_data: (closure): data for @callback
 *
 * Starts writing the text held now to a file, through a replacement of the
 * file.
 */
TAVREL_MODEL_API void tavrel_model_data_value_string_save (TavrelModelDataValueString *self, const gchar *filename, GAsyncReadyCallback callback, gpointer user_data) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_string_save_finish:
 * @self: a #TavrelModelDataValueString
 * @res: the #GAsyncResult passed to the callback
 * @error: return location for a #GError, or %NULL
 *
 * Ends a save started with the matching save function.
 */
TAVREL_MODEL_API void tavrel_model_data_value_string_save_finish (TavrelModelDataValueString *self, GAsyncResult *res, GError **error) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueXml:
 *
 * XML text, kept as given (not parsed or checked).
 */
/**
 * TavrelModelDataValueXml:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_XML.
 */
/**
 * TavrelModelDataValueXml:name:
 *
 * The kind's short name, "xml".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_XML (tavrel_model_data_value_xml_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueXml, tavrel_model_data_value_xml, TAVREL_MODEL_DATA, VALUE_XML, TavrelModelDataValueString)

struct _TavrelModelDataValueXmlClass {
  TavrelModelDataValueStringClass parent_class;
};

/**
 * tavrel_model_data_value_xml_new:
 * @text: the XML text, copied
 *
 * Creates an XML value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueXml
 */
TAVREL_MODEL_API TavrelModelDataValueXml *tavrel_model_data_value_xml_new (const gchar *text) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_xml_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueXml or a type
 *   derived from it
 * @text: the XML text, copied
 *
 * Creates an XML value, as an instance of @object_type. For the constructors
 * of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueXml *tavrel_model_data_value_xml_construct (GType object_type, const gchar *text) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueJson:
 *
 * JSON text, kept as given (not parsed or checked).
 */
/**
 * TavrelModelDataValueJson:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_JSON.
 */
/**
 * TavrelModelDataValueJson:name:
 *
 * The kind's short name, "json".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_JSON (tavrel_model_data_value_json_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueJson, tavrel_model_data_value_json, TAVREL_MODEL_DATA, VALUE_JSON, TavrelModelDataValueString)

struct _TavrelModelDataValueJsonClass {
  TavrelModelDataValueStringClass parent_class;
};

/**
 * tavrel_model_data_value_json_new:
 * @text: the JSON text, copied
 *
 * Creates a JSON value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueJson
 */
TAVREL_MODEL_API TavrelModelDataValueJson *tavrel_model_data_value_json_new (const gchar *text) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_json_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueJson or a type
 *   derived from it
 * @text: the JSON text, copied
 *
 * Creates a JSON value, as an instance of @object_type. For the constructors
 * of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueJson *tavrel_model_data_value_json_construct (GType object_type, const gchar *text) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueUuid:
 *
 * A UUID as text. tavrel_model_data_value_uuid_new() makes a fresh random
 * UUID (lower-case, 36 characters); tavrel_model_data_value_uuid_new_uuid()
 * keeps the given text as it is.
 */
/**
 * TavrelModelDataValueUuid:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_UUID.
 */
/**
 * TavrelModelDataValueUuid:name:
 *
 * The kind's short name, "uuid".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_UUID (tavrel_model_data_value_uuid_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueUuid, tavrel_model_data_value_uuid, TAVREL_MODEL_DATA, VALUE_UUID, TavrelModelDataValueString)

struct _TavrelModelDataValueUuidClass {
  TavrelModelDataValueStringClass parent_class;
};

/**
 * tavrel_model_data_value_uuid_new:
 *
 * Creates a value holding a fresh random UUID.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueUuid
 */
TAVREL_MODEL_API TavrelModelDataValueUuid *tavrel_model_data_value_uuid_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uuid_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueUuid or a type
 *   derived from it
 *
 * Creates a value holding a fresh random UUID, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueUuid *tavrel_model_data_value_uuid_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uuid_new_uuid:
 * @uuid: the UUID text, copied
 *
 * Creates a UUID value from a text, kept as it is.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueUuid
 */
TAVREL_MODEL_API TavrelModelDataValueUuid *tavrel_model_data_value_uuid_new_uuid (const gchar *uuid) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_uuid_construct_uuid: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueUuid or a type
 *   derived from it
 * @uuid: the UUID text, copied
 *
 * Creates a UUID value from a text, kept as it is, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueUuid *tavrel_model_data_value_uuid_construct_uuid (GType object_type, const gchar *uuid) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueUtf16:
 *
 * Text held as a zero-terminated UTF-16 buffer (g_malloc()'ed) that the value
 * owns. The constructors taking a buffer and
 * tavrel_model_data_value_utf16_set_itsvalue() take the buffer over, also
 * when they refuse their other arguments;
 * tavrel_model_data_value_utf16_get_itsvalue() lends it. It renders as UTF-8.
 */
/**
 * TavrelModelDataValueUtf16:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_WSTRING.
 */
/**
 * TavrelModelDataValueUtf16:itsvalue:
 *
 * The zero-terminated UTF-16 buffer held; may be %NULL.
 */
/**
 * TavrelModelDataValueUtf16:name:
 *
 * The kind's short name, "wstring".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_UTF16 (tavrel_model_data_value_utf16_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueUtf16, tavrel_model_data_value_utf16, TAVREL_MODEL_DATA, VALUE_UTF16, TavrelModelDataValueObject)

struct _TavrelModelDataValueUtf16Class {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_utf16_new:
 * @text: (transfer full) (array zero-terminated=1) (element-type guint16): a
 *   zero-terminated UTF-16 buffer allocated with g_malloc()
 *
 * Creates a UTF-16 text value that takes over a buffer.
 *
 * Returns: (transfer full) (nullable): a new #TavrelModelDataValueUtf16, or
 *   %NULL when @text is %NULL
 */
TAVREL_MODEL_API TavrelModelDataValueUtf16 *tavrel_model_data_value_utf16_new (gunichar2 *text) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_utf16_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueUtf16 or a type
 *   derived from it
 * @text: (transfer full) (array zero-terminated=1) (element-type guint16): a
 *   zero-terminated UTF-16 buffer allocated with g_malloc()
 *
 * Creates a UTF-16 text value that takes over a buffer, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueUtf16 *tavrel_model_data_value_utf16_construct (GType object_type, gunichar2 *text) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_utf16_new_string:
 * @text: the UTF-8 text
 *
 * Creates a UTF-16 text value from UTF-8 text.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueUtf16
 */
TAVREL_MODEL_API TavrelModelDataValueUtf16 *tavrel_model_data_value_utf16_new_string (const gchar *text) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_utf16_construct_string: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueUtf16 or a type
 *   derived from it
 * @text: the UTF-8 text
 *
 * Creates a UTF-16 text value from UTF-8 text, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueUtf16 *tavrel_model_data_value_utf16_construct_string (GType object_type, const gchar *text) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_utf16_get_itsvalue:
 * @self: a #TavrelModelDataValueUtf16
 *
 * Gives the UTF-16 buffer held.
 *
 * Returns: (transfer none) (nullable) (array zero-terminated=1) (element-type guint16):
 *   the buffer, owned by the value
 */
TAVREL_MODEL_API gunichar2 *tavrel_model_data_value_utf16_get_itsvalue (TavrelModelDataValueUtf16 *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_utf16_set_itsvalue:
 * @self: a #TavrelModelDataValueUtf16
 * @value: (transfer full) (nullable) (array zero-terminated=1) (element-type guint16):
 *   a zero-terminated buffer allocated with g_malloc()
 *
 * Replaces the UTF-16 buffer, taking the new one over and freeing the old;
 * notifies #TavrelModelDataValueUtf16:itsvalue.
 */
TAVREL_MODEL_API void tavrel_model_data_value_utf16_set_itsvalue (TavrelModelDataValueUtf16 *self, gunichar2 *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Values: dates and times (Data/value_datetime)
 * ====================================================================== */

/**
 * TavrelModelDataValueDateTime:
 *
 * A date and time with its time zone, held as a #GDateTime (which may be
 * absent). Renders in ISO 8601 form.
 */
/**
 * TavrelModelDataValueDateTime:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_DATETIME.
 */
/**
 * TavrelModelDataValueDateTime:itsvalue:
 *
 * The date-time held; may be %NULL.
 */
/**
 * TavrelModelDataValueDateTime:name:
 *
 * The kind's short name, "datetime".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_DATE_TIME (tavrel_model_data_value_date_time_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueDateTime, tavrel_model_data_value_date_time, TAVREL_MODEL_DATA, VALUE_DATE_TIME, TavrelModelDataValueObject)

struct _TavrelModelDataValueDateTimeClass {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_date_time_new:
 *
 * Creates a date-time value holding the current local time.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueDateTime
 */
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_time_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueDateTime or a
 *   type derived from it
 *
 * Creates a date-time value holding the current local time, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_time_new_datetime:
 * @datetime: the date-time; the value keeps a reference
 *
 * Creates a date-time value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueDateTime
 */
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_new_datetime (GDateTime *datetime) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_time_construct_datetime: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueDateTime or a
 *   type derived from it
 * @datetime: the date-time; the value keeps a reference
 *
 * Creates a date-time value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_construct_datetime (GType object_type, GDateTime *datetime) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_time_new_iso8601:
 * @datetime: the ISO 8601 text
 *
 * Creates a date-time value from ISO 8601 text; a text without a zone is read
 * in UTC, a calendar date alone as its midnight, and an unparsable text gives
 * the Unix epoch.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueDateTime
 */
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_new_iso8601 (const gchar *datetime) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_time_construct_iso8601: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueDateTime or a
 *   type derived from it
 * @datetime: the ISO 8601 text
 *
 * Creates a date-time value from ISO 8601 text; a text without a zone is read
 * in UTC, a calendar date alone as its midnight, and an unparsable text gives
 * the Unix epoch, as an instance of @object_type. For the constructors of
 * derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_construct_iso8601 (GType object_type, const gchar *datetime) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_time_new_utc:
 * @year: the year
 * @month: the month, 1 to 12
 * @day: the day of the month
 * @hour: the hour, 0 to 23
 * @minute: the minute, 0 to 59
 * @seconds: the seconds, 0 to 59
 *
 * Creates a date-time value in UTC.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueDateTime
 */
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_new_utc (gint year, gint month, gint day, gint hour, gint minute, gint seconds) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_time_construct_utc: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueDateTime or a
 *   type derived from it
 * @year: the year
 * @month: the month, 1 to 12
 * @day: the day of the month
 * @hour: the hour, 0 to 23
 * @minute: the minute, 0 to 59
 * @seconds: the seconds, 0 to 59
 *
 * Creates a date-time value in UTC, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueDateTime *tavrel_model_data_value_date_time_construct_utc (GType object_type, gint year, gint month, gint day, gint hour, gint minute, gint seconds) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_time_format:
 * @self: a #TavrelModelDataValueDateTime
 * @format: a g_date_time_format() format, in UTF-8
 *
 * Formats the date-time as g_date_time_format() does.
 *
 * Returns: (transfer full) (nullable): the text, or %NULL when the value
 *   holds no date-time or the format is refused
 */
TAVREL_MODEL_API gchar *tavrel_model_data_value_date_time_format (TavrelModelDataValueDateTime *self, const gchar *format) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_time_get_itsvalue:
 * @self: a #TavrelModelDataValueDateTime
 *
 * Gets the date-time held; may be %NULL.
 *
 * Returns: (transfer none) (nullable): the date-time held; may be %NULL
 */
TAVREL_MODEL_API GDateTime *tavrel_model_data_value_date_time_get_itsvalue (TavrelModelDataValueDateTime *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_time_set_itsvalue:
 * @self: a #TavrelModelDataValueDateTime
 * @value: (nullable): the new value; a reference is kept
 *
 * Sets the date-time held; may be %NULL.
 */
TAVREL_MODEL_API void tavrel_model_data_value_date_time_set_itsvalue (TavrelModelDataValueDateTime *self, GDateTime *value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueDate:
 *
 * A calendar date; renders as "YYYY-MM-DD".
 */
/**
 * TavrelModelDataValueDate:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_DATE.
 */
/**
 * TavrelModelDataValueDate:name:
 *
 * The kind's short name, "date".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_DATE (tavrel_model_data_value_date_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueDate, tavrel_model_data_value_date, TAVREL_MODEL_DATA, VALUE_DATE, TavrelModelDataValueDateTime)

struct _TavrelModelDataValueDateClass {
  TavrelModelDataValueDateTimeClass parent_class;
};

/**
 * tavrel_model_data_value_date_new:
 *
 * Creates a date value holding today's date.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueDate
 */
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueDate or a type
 *   derived from it
 *
 * Creates a date value holding today's date, as an instance of @object_type.
 * For the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_new_dmy:
 * @year: the year
 * @month: the month, 1 to 12
 * @day: the day of the month
 *
 * Creates a date value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueDate
 */
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_new_dmy (gint year, gint month, gint day) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_construct_dmy: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueDate or a type
 *   derived from it
 * @year: the year
 * @month: the month, 1 to 12
 * @day: the day of the month
 *
 * Creates a date value, as an instance of @object_type. For the constructors
 * of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_construct_dmy (GType object_type, gint year, gint month, gint day) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_new_date:
 * @date: the date
 *
 * Creates a date value from a #GDate; a cleared date gives a value without a
 * date-time.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueDate
 */
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_new_date (const GDate *date) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_construct_date: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueDate or a type
 *   derived from it
 * @date: the date
 *
 * Creates a date value from a #GDate; a cleared date gives a value without a
 * date-time, as an instance of @object_type. For the constructors of derived
 * classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_construct_date (GType object_type, const GDate *date) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_new_iso8601:
 * @date: the ISO 8601 text
 *
 * Creates a date value from ISO 8601 text, read in the local time zone when
 * it names none; an unparsable text gives the Unix epoch.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueDate
 */
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_new_iso8601 (const gchar *date) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_date_construct_iso8601: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueDate or a type
 *   derived from it
 * @date: the ISO 8601 text
 *
 * Creates a date value from ISO 8601 text, read in the local time zone when
 * it names none; an unparsable text gives the Unix epoch, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueDate *tavrel_model_data_value_date_construct_iso8601 (GType object_type, const gchar *date) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueTime:
 *
 * A time of day; renders as "HH:MM:SS".
 */
/**
 * TavrelModelDataValueTime:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_TIME.
 */
/**
 * TavrelModelDataValueTime:name:
 *
 * The kind's short name, "time".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_TIME (tavrel_model_data_value_time_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueTime, tavrel_model_data_value_time, TAVREL_MODEL_DATA, VALUE_TIME, TavrelModelDataValueDateTime)

struct _TavrelModelDataValueTimeClass {
  TavrelModelDataValueDateTimeClass parent_class;
};

/**
 * tavrel_model_data_value_time_new:
 *
 * Creates a time value holding the current local time.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueTime
 */
TAVREL_MODEL_API TavrelModelDataValueTime *tavrel_model_data_value_time_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_time_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueTime or a type
 *   derived from it
 *
 * Creates a time value holding the current local time, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueTime *tavrel_model_data_value_time_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_time_new_hms:
 * @hour: the hour, 0 to 23
 * @minute: the minute, 0 to 59
 * @seconds: the seconds, with fraction
 *
 * Creates a time value of today at the given time.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueTime
 */
TAVREL_MODEL_API TavrelModelDataValueTime *tavrel_model_data_value_time_new_hms (gint hour, gint minute, gdouble seconds) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_time_construct_hms: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueTime or a type
 *   derived from it
 * @hour: the hour, 0 to 23
 * @minute: the minute, 0 to 59
 * @seconds: the seconds, with fraction
 *
 * Creates a time value of today at the given time, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueTime *tavrel_model_data_value_time_construct_hms (GType object_type, gint hour, gint minute, gdouble seconds) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_time_new_time:
 * @datetime: the date-time; the value keeps a reference
 *
 * Creates a time value from a date-time.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueTime
 */
TAVREL_MODEL_API TavrelModelDataValueTime *tavrel_model_data_value_time_new_time (GDateTime *datetime) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_time_construct_time: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueTime or a type
 *   derived from it
 * @datetime: the date-time; the value keeps a reference
 *
 * Creates a time value from a date-time, as an instance of @object_type. For
 * the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueTime *tavrel_model_data_value_time_construct_time (GType object_type, GDateTime *datetime) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueTimeSpan:
 *
 * A time span in microseconds.
 */
/**
 * TavrelModelDataValueTimeSpan:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_TIMESPAN.
 */
/**
 * TavrelModelDataValueTimeSpan:itsvalue:
 *
 * The span held, in microseconds.
 */
/**
 * TavrelModelDataValueTimeSpan:name:
 *
 * The kind's short name, "timespan".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_TIME_SPAN (tavrel_model_data_value_time_span_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueTimeSpan, tavrel_model_data_value_time_span, TAVREL_MODEL_DATA, VALUE_TIME_SPAN, TavrelModelDataValueObject)

struct _TavrelModelDataValueTimeSpanClass {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_time_span_new:
 * @span: the span, in microseconds
 *
 * Creates a time span value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueTimeSpan
 */
TAVREL_MODEL_API TavrelModelDataValueTimeSpan *tavrel_model_data_value_time_span_new (gint64 span) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_time_span_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueTimeSpan or a
 *   type derived from it
 * @span: the span, in microseconds
 *
 * Creates a time span value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueTimeSpan *tavrel_model_data_value_time_span_construct (GType object_type, gint64 span) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_time_span_new_interval:
 * @interval: the interval code, kept beside the span
 * @span: the span, in microseconds
 *
 * Creates a time span value with an interval code.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueTimeSpan
 */
TAVREL_MODEL_API TavrelModelDataValueTimeSpan *tavrel_model_data_value_time_span_new_interval (gint32 interval, gint64 span) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_time_span_construct_interval: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueTimeSpan or a
 *   type derived from it
 * @interval: the interval code, kept beside the span
 * @span: the span, in microseconds
 *
 * Creates a time span value with an interval code, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueTimeSpan *tavrel_model_data_value_time_span_construct_interval (GType object_type, gint32 interval, gint64 span) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_time_span_get_itsvalue:
 * @self: a #TavrelModelDataValueTimeSpan
 *
 * Gets the span held, in microseconds.
 *
 * Returns: the span held, in microseconds
 */
TAVREL_MODEL_API gint64 tavrel_model_data_value_time_span_get_itsvalue (TavrelModelDataValueTimeSpan *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_time_span_set_itsvalue:
 * @self: a #TavrelModelDataValueTimeSpan
 * @value: the new value
 *
 * Sets the span held, in microseconds.
 */
TAVREL_MODEL_API void tavrel_model_data_value_time_span_set_itsvalue (TavrelModelDataValueTimeSpan *self, gint64 value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Values: binary data (Data/value_binary)
 * ====================================================================== */

/**
 * TavrelModelDataValueBinary:
 *
 * Uninterpreted bytes in a #GBytes.
 *
 * They render as text when the bytes up to the first zero byte are UTF-8, as
 * hexadecimal otherwise. The load and save behave as those of text values:
 * the callback comes after the call returned, the value is replaced only by a
 * successful load (without notification), a missing file loads as no change,
 * and a save writes the bytes held when save was called and never destroys a
 * previous file when it fails.
 */
/**
 * TavrelModelDataValueBinary:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_BINARY.
 */
/**
 * TavrelModelDataValueBinary:itsvalue:
 *
 * The bytes held; may be %NULL.
 */
/**
 * TavrelModelDataValueBinary:name:
 *
 * The kind's short name, "binary".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_BINARY (tavrel_model_data_value_binary_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueBinary, tavrel_model_data_value_binary, TAVREL_MODEL_DATA, VALUE_BINARY, TavrelModelDataValueObject)

struct _TavrelModelDataValueBinaryClass {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_binary_new:
 * @data: (array length=length) (nullable): the bytes, or %NULL when @length
 *   is 0
 * @length: the number of bytes, 0 or more
 *
 * Creates a binary value holding a copy of the bytes.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueBinary
 */
TAVREL_MODEL_API TavrelModelDataValueBinary *tavrel_model_data_value_binary_new (const guint8 *data, gint length) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_binary_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueBinary or a
 *   type derived from it
 * @data: (array length=length) (nullable): the bytes, or %NULL when @length
 *   is 0
 * @length: the number of bytes, 0 or more
 *
 * Creates a binary value holding a copy of the bytes, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueBinary *tavrel_model_data_value_binary_construct (GType object_type, const guint8 *data, gint length) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_binary_to_bytes:
 * @self: a #TavrelModelDataValueBinary
 * @length: (out) (optional): where to store the number of bytes
 *
 * Copies the bytes out.
 *
 * Returns: (transfer full) (array length=length) (nullable): a new copy of
 *   the bytes, or %NULL when there are none
 */
TAVREL_MODEL_API guint8 *tavrel_model_data_value_binary_to_bytes (TavrelModelDataValueBinary *self, gint *length) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_binary_is_text:
 * @self: a #TavrelModelDataValueBinary
 *
 * Tells whether the bytes up to the first zero byte are UTF-8, and so render
 * as text.
 *
 * Returns: %TRUE when they render as text
 */
TAVREL_MODEL_API gboolean tavrel_model_data_value_binary_is_text (TavrelModelDataValueBinary *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_binary_to_hexadecimal:
 * @self: a #TavrelModelDataValueBinary
 *
 * Renders the bytes in hexadecimal.
 *
 * Returns: (transfer full): two upper-case digits per byte
 */
TAVREL_MODEL_API gchar *tavrel_model_data_value_binary_to_hexadecimal (TavrelModelDataValueBinary *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_binary_write:
 * @self: a #TavrelModelDataValueBinary
 * @stream: the stream to write to
 * @error: return location for a #GError, or %NULL
 *
 * Writes every byte to a stream, until all are taken or an error comes.
 */
TAVREL_MODEL_API void tavrel_model_data_value_binary_write (TavrelModelDataValueBinary *self, GOutputStream *stream, GError **error) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_binary_load:
 * @self: a #TavrelModelDataValueBinary
 * @filename: the path of the file to read
 * @callback: (scope async): called on the thread-default main context when
 *   the load is done
 * @user_data: (closure): data for @callback
 *
 * Starts replacing the bytes with the contents of a file. The value is kept
 * alive until @callback has run.
 */
TAVREL_MODEL_API void tavrel_model_data_value_binary_load (TavrelModelDataValueBinary *self, const gchar *filename, GAsyncReadyCallback callback, gpointer user_data) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_binary_load_finish:
 * @self: a #TavrelModelDataValueBinary
 * @res: the #GAsyncResult passed to the callback
 * @error: return location for a #GError, or %NULL
 *
 * Ends a load started with the matching load function.
 */
TAVREL_MODEL_API void tavrel_model_data_value_binary_load_finish (TavrelModelDataValueBinary *self, GAsyncResult *res, GError **error) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_binary_save:
 * @self: a #TavrelModelDataValueBinary
 * @filename: the path of the file to write
 * @callback: (scope async): called on the thread-default main context when
 *   the save is done
 * @user_data: (closure): data for @callback
 *
 * Starts writing the bytes held now to a file, through a replacement of the
 * file.
 */
TAVREL_MODEL_API void tavrel_model_data_value_binary_save (TavrelModelDataValueBinary *self, const gchar *filename, GAsyncReadyCallback callback, gpointer user_data) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_binary_save_finish:
 * @self: a #TavrelModelDataValueBinary
 * @res: the #GAsyncResult passed to the callback
 * @error: return location for a #GError, or %NULL
 *
 * Ends a save started with the matching save function.
 */
TAVREL_MODEL_API void tavrel_model_data_value_binary_save_finish (TavrelModelDataValueBinary *self, GAsyncResult *res, GError **error) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_binary_get_itsvalue:
 * @self: a #TavrelModelDataValueBinary
 *
 * Gets the bytes held; may be %NULL.
 *
 * Returns: (transfer none) (nullable): the bytes held; may be %NULL
 */
TAVREL_MODEL_API GBytes *tavrel_model_data_value_binary_get_itsvalue (TavrelModelDataValueBinary *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_binary_set_itsvalue:
 * @self: a #TavrelModelDataValueBinary
 * @value: (nullable): the new value; a reference is kept
 *
 * Sets the bytes held; may be %NULL.
 */
TAVREL_MODEL_API void tavrel_model_data_value_binary_set_itsvalue (TavrelModelDataValueBinary *self, GBytes *value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueBlob:
 *
 * Binary data of the kind %TAVREL_MODEL_DATA_DATA_TYPE_BLOB; behaves as
 * #TavrelModelDataValueBinary.
 */
/**
 * TavrelModelDataValueBlob:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_BLOB.
 */
/**
 * TavrelModelDataValueBlob:name:
 *
 * The kind's short name, "blob".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_BLOB (tavrel_model_data_value_blob_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueBlob, tavrel_model_data_value_blob, TAVREL_MODEL_DATA, VALUE_BLOB, TavrelModelDataValueBinary)

struct _TavrelModelDataValueBlobClass {
  TavrelModelDataValueBinaryClass parent_class;
};

/**
 * tavrel_model_data_value_blob_new:
 * @data: (array length=length) (nullable): the bytes, or %NULL when @length
 *   is 0
 * @length: the number of bytes, 0 or more
 *
 * Creates a binary value holding a copy of the bytes.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueBlob
 */
TAVREL_MODEL_API TavrelModelDataValueBlob *tavrel_model_data_value_blob_new (const guint8 *data, gint length) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_blob_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueBlob or a type
 *   derived from it
 * @data: (array length=length) (nullable): the bytes, or %NULL when @length
 *   is 0
 * @length: the number of bytes, 0 or more
 *
 * Creates a binary value holding a copy of the bytes, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueBlob *tavrel_model_data_value_blob_construct (GType object_type, const guint8 *data, gint length) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Values: enumerations (Data/value_enum)
 * ====================================================================== */

/**
 * TavrelModelDataValueEnum:
 *
 * A member of an enumeration, held as its text. The member list that
 * tavrel_model_data_value_enum_initialize() fills is informative: the text is
 * not checked against it.
 */
/**
 * TavrelModelDataValueEnum:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_ENUM.
 */
/**
 * TavrelModelDataValueEnum:itsvalue:
 *
 * The member text held; may be %NULL.
 */
/**
 * TavrelModelDataValueEnum:name:
 *
 * The kind's short name, "enum".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_ENUM (tavrel_model_data_value_enum_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueEnum, tavrel_model_data_value_enum, TAVREL_MODEL_DATA, VALUE_ENUM, TavrelModelDataValueObject)

struct _TavrelModelDataValueEnumClass {
  TavrelModelDataValueObjectClass parent_class;
  void (*initialize) (TavrelModelDataValueEnum *self, const gchar *const *values, gint count);
};

/**
 * tavrel_model_data_value_enum_new:
 * @enum_value: the member text, copied
 *
 * Creates an enumeration value with an empty member list.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueEnum
 */
TAVREL_MODEL_API TavrelModelDataValueEnum *tavrel_model_data_value_enum_new (const gchar *enum_value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_enum_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueEnum or a type
 *   derived from it
 * @enum_value: the member text, copied
 *
 * Creates an enumeration value with an empty member list, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueEnum *tavrel_model_data_value_enum_construct (GType object_type, const gchar *enum_value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_enum_initialize:
 * @self: a #TavrelModelDataValueEnum
 * @values: (array length=count): the member texts
 * @count: how many of @values to append; below 1 appends nothing
 *
 * Appends texts to the member list; repeated calls keep appending.
 */
TAVREL_MODEL_API void tavrel_model_data_value_enum_initialize (TavrelModelDataValueEnum *self, const gchar *const *values, gint count) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_enum_get_itsvalue:
 * @self: a #TavrelModelDataValueEnum
 *
 * Gets the member text held; may be %NULL.
 *
 * Returns: (transfer none) (nullable): the member text held; may be %NULL
 */
TAVREL_MODEL_API const gchar *tavrel_model_data_value_enum_get_itsvalue (TavrelModelDataValueEnum *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_enum_set_itsvalue:
 * @self: a #TavrelModelDataValueEnum
 * @value: (nullable): the new text, copied
 *
 * Sets the member text held; may be %NULL.
 */
TAVREL_MODEL_API void tavrel_model_data_value_enum_set_itsvalue (TavrelModelDataValueEnum *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueFlags:
 *
 * A combination of flags, held as the text the database gives (not split).
 */
/**
 * TavrelModelDataValueFlags:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_FLAGS.
 */
/**
 * TavrelModelDataValueFlags:name:
 *
 * The kind's short name, "flags".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_FLAGS (tavrel_model_data_value_flags_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueFlags, tavrel_model_data_value_flags, TAVREL_MODEL_DATA, VALUE_FLAGS, TavrelModelDataValueEnum)

struct _TavrelModelDataValueFlagsClass {
  TavrelModelDataValueEnumClass parent_class;
};

/**
 * tavrel_model_data_value_flags_new:
 * @flag_value: the flags text, copied
 *
 * Creates a flags value with an empty member list.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueFlags
 */
TAVREL_MODEL_API TavrelModelDataValueFlags *tavrel_model_data_value_flags_new (const gchar *flag_value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_flags_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueFlags or a type
 *   derived from it
 * @flag_value: the flags text, copied
 *
 * Creates a flags value with an empty member list, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueFlags *tavrel_model_data_value_flags_construct (GType object_type, const gchar *flag_value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueSet:
 *
 * A set of members, held as the text the database gives (not split).
 */
/**
 * TavrelModelDataValueSet:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_SET.
 */
/**
 * TavrelModelDataValueSet:name:
 *
 * The kind's short name, "set".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_SET (tavrel_model_data_value_set_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueSet, tavrel_model_data_value_set, TAVREL_MODEL_DATA, VALUE_SET, TavrelModelDataValueEnum)

struct _TavrelModelDataValueSetClass {
  TavrelModelDataValueEnumClass parent_class;
};

/**
 * tavrel_model_data_value_set_new:
 * @set_value: the set text, copied
 *
 * Creates a set value with an empty member list.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueSet
 */
TAVREL_MODEL_API TavrelModelDataValueSet *tavrel_model_data_value_set_new (const gchar *set_value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_set_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueSet or a type
 *   derived from it
 * @set_value: the set text, copied
 *
 * Creates a set value with an empty member list, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueSet *tavrel_model_data_value_set_construct (GType object_type, const gchar *set_value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Values: spatial (Data/value_spatial)
 * ====================================================================== */

/**
 * TavrelModelDataValueGeometry:
 *
 * Spatial data held as the text the database delivered, not parsed.
 */
/**
 * TavrelModelDataValueGeometry:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_GEOMETRY.
 */
/**
 * TavrelModelDataValueGeometry:itsvalue:
 *
 * The spatial text held; may be %NULL.
 */
/**
 * TavrelModelDataValueGeometry:name:
 *
 * The kind's short name, "geometry".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_GEOMETRY (tavrel_model_data_value_geometry_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueGeometry, tavrel_model_data_value_geometry, TAVREL_MODEL_DATA, VALUE_GEOMETRY, TavrelModelDataValueObject)

struct _TavrelModelDataValueGeometryClass {
  TavrelModelDataValueObjectClass parent_class;
};

/**
 * tavrel_model_data_value_geometry_new:
 * @value: the spatial text, copied
 *
 * Creates a geometry value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueGeometry
 */
TAVREL_MODEL_API TavrelModelDataValueGeometry *tavrel_model_data_value_geometry_new (const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_geometry_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueGeometry or a
 *   type derived from it
 * @value: the spatial text, copied
 *
 * Creates a geometry value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueGeometry *tavrel_model_data_value_geometry_construct (GType object_type, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_geometry_get_itsvalue:
 * @self: a #TavrelModelDataValueGeometry
 *
 * Gets the spatial text held; may be %NULL.
 *
 * Returns: (transfer none) (nullable): the spatial text held; may be %NULL
 */
TAVREL_MODEL_API const gchar *tavrel_model_data_value_geometry_get_itsvalue (TavrelModelDataValueGeometry *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_geometry_set_itsvalue:
 * @self: a #TavrelModelDataValueGeometry
 * @value: (nullable): the new text, copied
 *
 * Sets the spatial text held; may be %NULL.
 */
TAVREL_MODEL_API void tavrel_model_data_value_geometry_set_itsvalue (TavrelModelDataValueGeometry *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataValueGeography:
 *
 * Geographic data held as text. A text of two numbers separated by a comma
 * yields a latitude and a longitude.
 */
/**
 * TavrelModelDataValueGeography:data-type:
 *
 * The value's kind, %TAVREL_MODEL_DATA_DATA_TYPE_GEOGRAPHY.
 */
/**
 * TavrelModelDataValueGeography:name:
 *
 * The kind's short name, "geography".
 */
#define TAVREL_MODEL_DATA_TYPE_VALUE_GEOGRAPHY (tavrel_model_data_value_geography_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataValueGeography, tavrel_model_data_value_geography, TAVREL_MODEL_DATA, VALUE_GEOGRAPHY, TavrelModelDataValueGeometry)

struct _TavrelModelDataValueGeographyClass {
  TavrelModelDataValueGeometryClass parent_class;
};

/**
 * tavrel_model_data_value_geography_new:
 * @value: the spatial text, copied
 *
 * Creates a geography value.
 *
 * Returns: (transfer full): a new #TavrelModelDataValueGeography
 */
TAVREL_MODEL_API TavrelModelDataValueGeography *tavrel_model_data_value_geography_new (const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_geography_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataValueGeography or a
 *   type derived from it
 * @value: the spatial text, copied
 *
 * Creates a geography value, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataValueGeography *tavrel_model_data_value_geography_construct (GType object_type, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_geography_latitude:
 * @self: a #TavrelModelDataValueGeography
 *
 * Reads the latitude: the first number of the first two comma-separated
 * numbers in the text.
 *
 * Returns: the latitude, or 0.0 when the text holds none
 */
TAVREL_MODEL_API gdouble tavrel_model_data_value_geography_latitude (TavrelModelDataValueGeography *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_value_geography_longitude:
 * @self: a #TavrelModelDataValueGeography
 *
 * Reads the longitude: the second number of the first two comma-separated
 * numbers in the text.
 *
 * Returns: the longitude, or 0.0 when the text holds none
 */
TAVREL_MODEL_API gdouble tavrel_model_data_value_geography_longitude (TavrelModelDataValueGeography *self) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * The value factory (Data/value_factory)
 * ====================================================================== */

/**
 * tavrel_model_data_ivalue_factory:
 * @data_type: the kind of the value to build
 * @text: (nullable): the cell's text, or %NULL for the default
 *
 * Builds a value of a kind from a cell's text, as a data reader receives it.
 * The text "(Null)" gives the database NULL whatever the kind; numbers are
 * parsed, a %NULL text gives the kind's default.
 *
 * Returns: (transfer full): a new value, never %NULL
 */
TAVREL_MODEL_API TavrelModelDataIValue *tavrel_model_data_ivalue_factory (TavrelModelDataDataType data_type, const gchar *text) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Columns and rows (Data/model_column, Data/model_row)
 * ====================================================================== */

/**
 * TavrelModelDataColumnModel:
 *
 * The description of one column of a table of data: its name, an optional
 * display title, the kind of its values and a declared size.
 */
/**
 * TavrelModelDataColumnModel:data-size:
 *
 * The declared size of the column.
 */
/**
 * TavrelModelDataColumnModel:data-type:
 *
 * The kind of the column's values.
 */
/**
 * TavrelModelDataColumnModel:name:
 *
 * The column's name.
 */
/**
 * TavrelModelDataColumnModel:title:
 *
 * The title to display for the column, or %NULL for its name.
 */
#define TAVREL_MODEL_DATA_TYPE_COLUMN_MODEL (tavrel_model_data_column_model_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataColumnModel, tavrel_model_data_column_model, TAVREL_MODEL_DATA, COLUMN_MODEL, GObject)

struct _TavrelModelDataColumnModelClass {
  GObjectClass parent_class;
};

/**
 * tavrel_model_data_column_model_new:
 *
 * Creates a column description with the name "" and no kind.
 *
 * Returns: (transfer full): a new #TavrelModelDataColumnModel
 */
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataColumnModel or a
 *   type derived from it
 *
 * Creates a column description with the name "" and no kind, as an instance
 * of @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_new_with_type:
 * @data_type: the kind of the column's values
 *
 * Creates a column description of a kind, with the name "".
 *
 * Returns: (transfer full): a new #TavrelModelDataColumnModel
 */
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_new_with_type (TavrelModelDataDataType data_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_construct_with_type: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataColumnModel or a
 *   type derived from it
 * @data_type: the kind of the column's values
 *
 * Creates a column description of a kind, with the name "", as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_construct_with_type (GType object_type, TavrelModelDataDataType data_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_new_full:
 * @column_name: the column's name
 * @data_type: the kind of the column's values
 *
 * Creates a named column description.
 *
 * Returns: (transfer full): a new #TavrelModelDataColumnModel
 */
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_new_full (const gchar *column_name, TavrelModelDataDataType data_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_construct_full: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataColumnModel or a
 *   type derived from it
 * @column_name: the column's name
 * @data_type: the kind of the column's values
 *
 * Creates a named column description, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_construct_full (GType object_type, const gchar *column_name, TavrelModelDataDataType data_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_new_full_size:
 * @column_name: the column's name
 * @data_type: the kind of the column's values
 * @data_size: the declared size
 *
 * Creates a named column description with a declared size.
 *
 * Returns: (transfer full): a new #TavrelModelDataColumnModel
 */
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_new_full_size (const gchar *column_name, TavrelModelDataDataType data_type, gsize data_size) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_construct_full_size: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataColumnModel or a
 *   type derived from it
 * @column_name: the column's name
 * @data_type: the kind of the column's values
 * @data_size: the declared size
 *
 * Creates a named column description with a declared size, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataColumnModel *tavrel_model_data_column_model_construct_full_size (GType object_type, const gchar *column_name, TavrelModelDataDataType data_type, gsize data_size) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_get_name:
 * @self: a #TavrelModelDataColumnModel
 *
 * Gets the column's name.
 *
 * Returns: (transfer none) (nullable): the column's name
 */
TAVREL_MODEL_API const gchar *tavrel_model_data_column_model_get_name (TavrelModelDataColumnModel *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_set_name:
 * @self: a #TavrelModelDataColumnModel
 * @value: (nullable): the new text, copied
 *
 * Sets the column's name.
 */
TAVREL_MODEL_API void tavrel_model_data_column_model_set_name (TavrelModelDataColumnModel *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_get_title:
 * @self: a #TavrelModelDataColumnModel
 *
 * Gets the title to display for the column, or %NULL for its name.
 *
 * Returns: (transfer none) (nullable): the title to display for the column,
 *   or %NULL for its name
 */
TAVREL_MODEL_API const gchar *tavrel_model_data_column_model_get_title (TavrelModelDataColumnModel *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_set_title:
 * @self: a #TavrelModelDataColumnModel
 * @value: (nullable): the new text, copied
 *
 * Sets the title to display for the column, or %NULL for its name.
 */
TAVREL_MODEL_API void tavrel_model_data_column_model_set_title (TavrelModelDataColumnModel *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_get_data_type:
 * @self: a #TavrelModelDataColumnModel
 *
 * Gets the kind of the column's values.
 *
 * Returns: the kind of the column's values
 */
TAVREL_MODEL_API TavrelModelDataDataType tavrel_model_data_column_model_get_data_type (TavrelModelDataColumnModel *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_set_data_type:
 * @self: a #TavrelModelDataColumnModel
 * @value: the new value
 *
 * Sets the kind of the column's values.
 */
TAVREL_MODEL_API void tavrel_model_data_column_model_set_data_type (TavrelModelDataColumnModel *self, TavrelModelDataDataType value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_get_data_size:
 * @self: a #TavrelModelDataColumnModel
 *
 * Gets the declared size of the column.
 *
 * Returns: the declared size of the column
 */
TAVREL_MODEL_API gsize tavrel_model_data_column_model_get_data_size (TavrelModelDataColumnModel *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_column_model_set_data_size:
 * @self: a #TavrelModelDataColumnModel
 * @value: the new value
 *
 * Sets the declared size of the column.
 */
TAVREL_MODEL_API void tavrel_model_data_column_model_set_data_size (TavrelModelDataColumnModel *self, gsize value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataRowModel:
 *
 * The values of one row in column order, with the row's change version.
 *
 * As a #GListModel the row exposes its values (it never emits
 * #GListModel::items-changed). tavrel_model_data_row_model_get_values() hands
 * out the live list, which callers fill directly.
 */
/**
 * TavrelModelDataRowModel:values:
 *
 * The live list of the row's values (#TavrelModelDataValueObject), in column
 * order.
 */
/**
 * TavrelModelDataRowModel:version:
 *
 * The row's change version: as read, inserted, updated or deleted.
 */
#define TAVREL_MODEL_DATA_TYPE_ROW_MODEL (tavrel_model_data_row_model_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataRowModel, tavrel_model_data_row_model, TAVREL_MODEL_DATA, ROW_MODEL, GObject)

struct _TavrelModelDataRowModelClass {
  GObjectClass parent_class;
  TavrelModelDataRowModel *(*clone) (TavrelModelDataRowModel *self);
};

/**
 * tavrel_model_data_row_model_new:
 *
 * Creates an empty row as read
 * (%TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL).
 *
 * Returns: (transfer full): a new #TavrelModelDataRowModel
 */
TAVREL_MODEL_API TavrelModelDataRowModel *tavrel_model_data_row_model_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_row_model_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataRowModel or a type
 *   derived from it
 *
 * Creates an empty row as read
 * (%TAVREL_MODEL_TRANSFORM_DATA_VERSION_INITIAL), as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataRowModel *tavrel_model_data_row_model_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_row_model_get_value_at:
 * @self: a #TavrelModelDataRowModel
 * @position: the position, from 0
 *
 * Gives the value at a position.
 *
 * Returns: (transfer full) (nullable): the value, or %NULL outside the row
 */
TAVREL_MODEL_API TavrelModelDataValueObject *tavrel_model_data_row_model_get_value_at (TavrelModelDataRowModel *self, gint position) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_row_model_set_value_at:
 * @self: a #TavrelModelDataRowModel
 * @position: the position, from 0 to the number of values - 1
 * @value: the new value; the row takes its own reference
 *
 * Replaces the value at a position; the row's version is not changed and
 * nothing is notified.
 */
TAVREL_MODEL_API void tavrel_model_data_row_model_set_value_at (TavrelModelDataRowModel *self, gint position, TavrelModelDataValueObject *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_row_model_clone:
 * @self: a #TavrelModelDataRowModel
 *
 * Copies the row deeply: a new row of the same version holding a copy of each
 * value.
 *
 * Returns: (transfer full): a new #TavrelModelDataRowModel
 */
TAVREL_MODEL_API TavrelModelDataRowModel *tavrel_model_data_row_model_clone (TavrelModelDataRowModel *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_row_model_get_version:
 * @self: a #TavrelModelDataRowModel
 *
 * Gets the row's change version: as read, inserted, updated or deleted.
 *
 * Returns: the row's change version: as read, inserted, updated or deleted
 */
TAVREL_MODEL_API TavrelModelTransformDataVersion tavrel_model_data_row_model_get_version (TavrelModelDataRowModel *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_row_model_set_version:
 * @self: a #TavrelModelDataRowModel
 * @value: the new value
 *
 * Sets the row's change version: as read, inserted, updated or deleted.
 */
TAVREL_MODEL_API void tavrel_model_data_row_model_set_version (TavrelModelDataRowModel *self, TavrelModelTransformDataVersion value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_row_model_get_values:
 * @self: a #TavrelModelDataRowModel
 *
 * Gives the live list of the row's values; callers append to it to fill the
 * row. Bindings reach its elements with tavrel_model_list_get_object() and
 * the other list helpers.
 *
 * Returns: (transfer none): the list of #TavrelModelDataValueObject
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_data_row_model_get_values (TavrelModelDataRowModel *self) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Tables (Data/model_table)
 * ====================================================================== */

/**
 * TavrelModelDataIResult:
 *
 * Marks the kinds of result the library defines: tables, scalar results and
 * error results; tell them apart by their classes.
 */
#define TAVREL_MODEL_DATA_TYPE_IRESULT (tavrel_model_data_iresult_get_type ())
TAVREL_MODEL_DECLARE_INTERFACE (TavrelModelDataIResult, tavrel_model_data_iresult, TAVREL_MODEL_DATA, IRESULT, GObject)

struct _TavrelModelDataIResultInterface {
  GTypeInterface parent_iface;
};

/**
 * TavrelModelDataTableModel:
 *
 * A table of rows with its columns, the statement it came from and the schema
 * and entity it names.
 *
 * As a #GListModel it exposes its rows. Every change made through its
 * functions is announced with #GListModel::items-changed, after it is
 * complete, while rows added to the list from
 * tavrel_model_data_table_model_get_rows() directly are not. Functions that
 * return a position return -1 when they refuse their arguments.
 */
/**
 * TavrelModelDataTableModel:columns:
 *
 * The live list of column descriptions (#TavrelModelDataColumnModel).
 */
/**
 * TavrelModelDataTableModel:entity:
 *
 * The name of the table the rows belong to.
 */
/**
 * TavrelModelDataTableModel:rows:
 *
 * The live list of rows (#TavrelModelDataRowModel).
 */
/**
 * TavrelModelDataTableModel:schema:
 *
 * The schema of #TavrelModelDataTableModel:entity.
 */
/**
 * TavrelModelDataTableModel:statements:
 *
 * The statement text the table came from.
 */
#define TAVREL_MODEL_DATA_TYPE_TABLE_MODEL (tavrel_model_data_table_model_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataTableModel, tavrel_model_data_table_model, TAVREL_MODEL_DATA, TABLE_MODEL, GObject)

struct _TavrelModelDataTableModelClass {
  GObjectClass parent_class;
};

/**
 * tavrel_model_data_table_model_new:
 *
 * Creates an empty table.
 *
 * Returns: (transfer full): a new #TavrelModelDataTableModel
 */
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataTableModel or a type
 *   derived from it
 *
 * Creates an empty table, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_new_with_names:
 * @schema_: the schema's name
 * @entity_: the entity's name
 *
 * Creates an empty table of a schema and entity.
 *
 * Returns: (transfer full): a new #TavrelModelDataTableModel
 */
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_new_with_names (const gchar *schema_, const gchar *entity_) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_construct_with_names: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataTableModel or a type
 *   derived from it
 * @schema_: the schema's name
 * @entity_: the entity's name
 *
 * Creates an empty table of a schema and entity, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_construct_with_names (GType object_type, const gchar *schema_, const gchar *entity_) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_new_with_sql:
 * @sql: the statement text
 *
 * Creates an empty table for a statement, taking the entity and schema from
 * its FROM clause.
 *
 * Returns: (transfer full): a new #TavrelModelDataTableModel
 */
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_new_with_sql (const gchar *sql) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_construct_with_sql: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataTableModel or a type
 *   derived from it
 * @sql: the statement text
 *
 * Creates an empty table for a statement, taking the entity and schema from
 * its FROM clause, as an instance of @object_type. For the constructors of
 * derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_construct_with_sql (GType object_type, const gchar *sql) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_new_with_types:
 * @types: (array length=n_types) (nullable): the kinds of the columns, in
 *   order
 * @n_types: the number of kinds
 *
 * Creates an empty table with one unnamed column per kind.
 *
 * Returns: (transfer full): a new #TavrelModelDataTableModel
 */
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_new_with_types (const TavrelModelDataDataType *types, gint n_types) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_construct_with_types: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataTableModel or a type
 *   derived from it
 * @types: (array length=n_types) (nullable): the kinds of the columns, in
 *   order
 * @n_types: the number of kinds
 *
 * Creates an empty table with one unnamed column per kind, as an instance of
 * @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataTableModel *tavrel_model_data_table_model_construct_with_types (GType object_type, const TavrelModelDataDataType *types, gint n_types) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_metadata:
 * @self: a #TavrelModelDataTableModel
 * @schema_: the schema's name
 * @entity_: the entity's name
 *
 * Replaces the schema and entity; nothing is notified.
 */
TAVREL_MODEL_API void tavrel_model_data_table_model_metadata (TavrelModelDataTableModel *self, const gchar *schema_, const gchar *entity_) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_get_value_at:
 * @self: a #TavrelModelDataTableModel
 * @col: the column index, from 0
 * @row: the row index, from 0
 *
 * Gives the value of a cell.
 *
 * Returns: (transfer full) (nullable): the value, or %NULL outside the table
 */
TAVREL_MODEL_API TavrelModelDataValueObject *tavrel_model_data_table_model_get_value_at (TavrelModelDataTableModel *self, gint col, gint row) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_set_value_at:
 * @self: a #TavrelModelDataTableModel
 * @col: the column index, from 0
 * @row: the row index, from 0
 * @value: the new value; the row takes its own reference
 *
 * Replaces the value of a cell; the row's version is not changed.
 */
TAVREL_MODEL_API void tavrel_model_data_table_model_set_value_at (TavrelModelDataTableModel *self, gint col, gint row, TavrelModelDataValueObject *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_new_row:
 * @self: a #TavrelModelDataTableModel
 *
 * Makes a new row marked %TAVREL_MODEL_TRANSFORM_DATA_VERSION_INSERT holding
 * one default value per column (the factory's value for the column's kind and
 * no text). The row is not added.
 *
 * Returns: (transfer full): a new #TavrelModelDataRowModel
 */
TAVREL_MODEL_API TavrelModelDataRowModel *tavrel_model_data_table_model_new_row (TavrelModelDataTableModel *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_append:
 * @self: a #TavrelModelDataTableModel
 * @row: the row; the table takes its own reference
 *
 * Adds a row at the end, announced.
 *
 * Returns: the row's position, or -1 when @row is refused
 */
TAVREL_MODEL_API gint tavrel_model_data_table_model_append (TavrelModelDataTableModel *self, TavrelModelDataRowModel *row) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_append_texts:
 * @self: a #TavrelModelDataTableModel
 * @texts: (array length=n_texts) (nullable): one text per column
 * @n_texts: the number of texts: the number of columns
 *
 * A driver's fast path beside tavrel_model_data_table_model_append(): turns
 * one result row's cell texts into values through the factory, by the kinds
 * of the table's columns (a %NULL text, like "(Null)", gives the database
 * NULL), and appends the row, announced, as read.
 *
 * Returns: the row's position, or -1 when @n_texts differs from the number of
 *   columns, @texts is %NULL with a positive count, or the table has no columns
 */
TAVREL_MODEL_API gint tavrel_model_data_table_model_append_texts (TavrelModelDataTableModel *self, const gchar *const *texts, gint n_texts) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_insert:
 * @self: a #TavrelModelDataTableModel
 * @position: the position to insert at, from 0 to the number of rows;
 *   negative appends
 * @row: the row; the table takes its own reference
 *
 * Inserts a row before a position, announced.
 *
 * Returns: the row's position, or -1 when the arguments are refused
 */
TAVREL_MODEL_API gint tavrel_model_data_table_model_insert (TavrelModelDataTableModel *self, gint position, TavrelModelDataRowModel *row) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_delete:
 * @self: a #TavrelModelDataTableModel
 * @row: the row to remove
 *
 * Removes a row if it is in the table (its first occurrence), announced.
 */
TAVREL_MODEL_API void tavrel_model_data_table_model_delete (TavrelModelDataTableModel *self, TavrelModelDataRowModel *row) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_delete_at:
 * @self: a #TavrelModelDataTableModel
 * @position: the position, from 0
 *
 * Removes the row at a position, announced.
 *
 * Returns: (transfer full) (nullable): the removed row, or %NULL outside the
 *   table
 */
TAVREL_MODEL_API TavrelModelDataRowModel *tavrel_model_data_table_model_delete_at (TavrelModelDataTableModel *self, gint position) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_find:
 * @self: a #TavrelModelDataTableModel
 * @row: the row to look for
 * @position: (out) (optional): where to store its first position, 0 when it
 *   is not found
 *
 * Looks a row up by identity.
 *
 * Returns: %TRUE when the row is in the table
 */
TAVREL_MODEL_API gboolean tavrel_model_data_table_model_find (TavrelModelDataTableModel *self, TavrelModelDataRowModel *row, gint *position) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_clear:
 * @self: a #TavrelModelDataTableModel
 * @columns: whether to remove the columns too
 *
 * Removes every row, announced, and the columns too when asked.
 */
TAVREL_MODEL_API void tavrel_model_data_table_model_clear (TavrelModelDataTableModel *self, gboolean columns) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_update_row_version:
 * @self: a #TavrelModelDataTableModel
 * @position: the row's position, from 0
 * @version: the mark
 *
 * Applies an edit mark to a row: %TAVREL_MODEL_TRANSFORM_DATA_VERSION_DELETE
 * removes a row never stored (marked INSERT) and marks any other for
 * deletion; %TAVREL_MODEL_TRANSFORM_DATA_VERSION_UPDATE marks a row as read
 * as updated; other marks change nothing.
 */
TAVREL_MODEL_API void tavrel_model_data_table_model_update_row_version (TavrelModelDataTableModel *self, gint position, TavrelModelTransformDataVersion version) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_get_entity:
 * @self: a #TavrelModelDataTableModel
 *
 * Gets the name of the table the rows belong to.
 *
 * Returns: (transfer none) (nullable): the name of the table the rows belong
 *   to
 */
TAVREL_MODEL_API const gchar *tavrel_model_data_table_model_get_entity (TavrelModelDataTableModel *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_get_schema:
 * @self: a #TavrelModelDataTableModel
 *
 * Gets the schema of #TavrelModelDataTableModel:entity.
 *
 * Returns: (transfer none) (nullable): the schema of
 *   #TavrelModelDataTableModel:entity
 */
TAVREL_MODEL_API const gchar *tavrel_model_data_table_model_get_schema (TavrelModelDataTableModel *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_get_statements:
 * @self: a #TavrelModelDataTableModel
 *
 * Gets the statement text the table came from.
 *
 * Returns: (transfer none) (nullable): the statement text the table came from
 */
TAVREL_MODEL_API const gchar *tavrel_model_data_table_model_get_statements (TavrelModelDataTableModel *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_get_rows:
 * @self: a #TavrelModelDataTableModel
 *
 * Gives the live list of rows; callers may append to it directly, which
 * announces nothing. Bindings reach its elements with the list helpers,
 * tavrel_model_list_get_object() and the others.
 *
 * Returns: (transfer none): the list of #TavrelModelDataRowModel
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_data_table_model_get_rows (TavrelModelDataTableModel *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_table_model_get_columns:
 * @self: a #TavrelModelDataTableModel
 *
 * Gives the live list of columns; callers may append to it directly, which
 * announces nothing. Bindings reach its elements with the list helpers,
 * tavrel_model_list_get_object() and the others.
 *
 * Returns: (transfer none): the list of #TavrelModelDataColumnModel
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_data_table_model_get_columns (TavrelModelDataTableModel *self) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Data sets and results (Data/model_dataset, Data/model_result)
 * ====================================================================== */

/**
 * TavrelModelDataInvalidResult:
 *
 * An error result: the error code and message a statement gave instead of
 * data.
 */
/**
 * TavrelModelDataInvalidResult:code:
 *
 * The error code, as text.
 */
/**
 * TavrelModelDataInvalidResult:message:
 *
 * The error message.
 */
#define TAVREL_MODEL_DATA_TYPE_INVALID_RESULT (tavrel_model_data_invalid_result_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataInvalidResult, tavrel_model_data_invalid_result, TAVREL_MODEL_DATA, INVALID_RESULT, GObject)

struct _TavrelModelDataInvalidResultClass {
  GObjectClass parent_class;
};

/**
 * tavrel_model_data_invalid_result_new:
 * @error_code: the error code, as text
 * @error_message: the error message
 *
 * Creates an error result.
 *
 * Returns: (transfer full): a new #TavrelModelDataInvalidResult
 */
TAVREL_MODEL_API TavrelModelDataInvalidResult *tavrel_model_data_invalid_result_new (const gchar *error_code, const gchar *error_message) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_invalid_result_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataInvalidResult or a
 *   type derived from it
 * @error_code: the error code, as text
 * @error_message: the error message
 *
 * Creates an error result, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataInvalidResult *tavrel_model_data_invalid_result_construct (GType object_type, const gchar *error_code, const gchar *error_message) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_invalid_result_get_code:
 * @self: a #TavrelModelDataInvalidResult
 *
 * Gets the error code, as text.
 *
 * Returns: (transfer none) (nullable): the error code, as text
 */
TAVREL_MODEL_API const gchar *tavrel_model_data_invalid_result_get_code (TavrelModelDataInvalidResult *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_invalid_result_set_code:
 * @self: a #TavrelModelDataInvalidResult
 * @value: (nullable): the new text, copied
 *
 * Sets the error code, as text.
 */
TAVREL_MODEL_API void tavrel_model_data_invalid_result_set_code (TavrelModelDataInvalidResult *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_invalid_result_get_message:
 * @self: a #TavrelModelDataInvalidResult
 *
 * Gets the error message.
 *
 * Returns: (transfer none) (nullable): the error message
 */
TAVREL_MODEL_API const gchar *tavrel_model_data_invalid_result_get_message (TavrelModelDataInvalidResult *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_invalid_result_set_message:
 * @self: a #TavrelModelDataInvalidResult
 * @value: (nullable): the new text, copied
 *
 * Sets the error message.
 */
TAVREL_MODEL_API void tavrel_model_data_invalid_result_set_message (TavrelModelDataInvalidResult *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataScalarResult:
 *
 * A scalar result: the number of rows a statement affected.
 */
/**
 * TavrelModelDataScalarResult:rows:
 *
 * The number of rows affected.
 */
#define TAVREL_MODEL_DATA_TYPE_SCALAR_RESULT (tavrel_model_data_scalar_result_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataScalarResult, tavrel_model_data_scalar_result, TAVREL_MODEL_DATA, SCALAR_RESULT, GObject)

struct _TavrelModelDataScalarResultClass {
  GObjectClass parent_class;
};

/**
 * tavrel_model_data_scalar_result_new:
 * @rows: the number of rows affected
 *
 * Creates a scalar result.
 *
 * Returns: (transfer full): a new #TavrelModelDataScalarResult
 */
TAVREL_MODEL_API TavrelModelDataScalarResult *tavrel_model_data_scalar_result_new (gint32 rows) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_scalar_result_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataScalarResult or a
 *   type derived from it
 * @rows: the number of rows affected
 *
 * Creates a scalar result, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataScalarResult *tavrel_model_data_scalar_result_construct (GType object_type, gint32 rows) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_scalar_result_get_rows:
 * @self: a #TavrelModelDataScalarResult
 *
 * Gets the number of rows affected.
 *
 * Returns: the number of rows affected
 */
TAVREL_MODEL_API gint32 tavrel_model_data_scalar_result_get_rows (TavrelModelDataScalarResult *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_scalar_result_set_rows:
 * @self: a #TavrelModelDataScalarResult
 * @value: the new value
 *
 * Sets the number of rows affected.
 */
TAVREL_MODEL_API void tavrel_model_data_scalar_result_set_rows (TavrelModelDataScalarResult *self, gint32 value) TAVREL_MODEL_NOEXCEPT;

/**
 * TavrelModelDataDataSetModel:
 *
 * An ordered set of tables, exposed as a #GListModel. Its producer fills it
 * through tavrel_model_data_data_set_model_get_tables(), which announces
 * nothing.
 */
/**
 * TavrelModelDataDataSetModel:tables:
 *
 * The live list of tables (#TavrelModelDataTableModel).
 */
#define TAVREL_MODEL_DATA_TYPE_DATA_SET_MODEL (tavrel_model_data_data_set_model_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelDataDataSetModel, tavrel_model_data_data_set_model, TAVREL_MODEL_DATA, DATA_SET_MODEL, GObject)

struct _TavrelModelDataDataSetModelClass {
  GObjectClass parent_class;
};

/**
 * tavrel_model_data_data_set_model_new:
 *
 * Creates an empty data set.
 *
 * Returns: (transfer full): a new #TavrelModelDataDataSetModel
 */
TAVREL_MODEL_API TavrelModelDataDataSetModel *tavrel_model_data_data_set_model_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_data_set_model_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelDataDataSetModel or a
 *   type derived from it
 *
 * Creates an empty data set, as an instance of @object_type. For the
 * constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelDataDataSetModel *tavrel_model_data_data_set_model_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_data_data_set_model_get_tables:
 * @self: a #TavrelModelDataDataSetModel
 *
 * Gives the live list of tables, which the producer fills directly.
 *
 * Returns: (transfer none): the list of #TavrelModelDataTableModel
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_data_data_set_model_get_tables (TavrelModelDataDataSetModel *self) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Server connection profiles (Setting/server)
 * ====================================================================== */

/**
 * TavrelModelSettingServer:
 *
 * A server connection profile: provider, driver, host and credentials, with
 * the settings of an SSH tunnel, an HTTP tunnel and TLS. It is a record that
 * the client fills and persists; nothing is validated and no connection is
 * opened.
 */
/**
 * TavrelModelSettingServer:databases:
 *
 * The databases to show, as a %NULL-terminated vector.
 */
/**
 * TavrelModelSettingServer:driver:
 *
 * The driver.
 */
/**
 * TavrelModelSettingServer:extensions:
 *
 * The extensions to load.
 */
/**
 * TavrelModelSettingServer:filename:
 *
 * The database file, for servers that are files.
 */
/**
 * TavrelModelSettingServer:host:
 *
 * The server's host.
 */
/**
 * TavrelModelSettingServer:http-auth:
 *
 * Whether the HTTP tunnel authenticates.
 */
/**
 * TavrelModelSettingServer:http-ca-file:
 *
 * The HTTP tunnel's certificate authority file.
 */
/**
 * TavrelModelSettingServer:http-cert-file:
 *
 * The HTTP tunnel's certificate file.
 */
/**
 * TavrelModelSettingServer:http-host:
 *
 * The HTTP tunnel's host.
 */
/**
 * TavrelModelSettingServer:http-key-file:
 *
 * The HTTP tunnel's key file.
 */
/**
 * TavrelModelSettingServer:http-password:
 *
 * The HTTP tunnel's password.
 */
/**
 * TavrelModelSettingServer:http-port:
 *
 * The HTTP tunnel's port, 8080 by default.
 */
/**
 * TavrelModelSettingServer:http-process:
 *
 * The HTTP tunnel program, "wstunnel" by default.
 */
/**
 * TavrelModelSettingServer:http-protocol:
 *
 * The HTTP tunnel's protocol, "http" by default.
 */
/**
 * TavrelModelSettingServer:http-username:
 *
 * The HTTP tunnel's user name.
 */
/**
 * TavrelModelSettingServer:http-using:
 *
 * Whether the connection goes through an HTTP tunnel.
 */
/**
 * TavrelModelSettingServer:initial:
 *
 * The database to open first.
 */
/**
 * TavrelModelSettingServer:instance:
 *
 * The server instance.
 */
/**
 * TavrelModelSettingServer:location:
 *
 * The location.
 */
/**
 * TavrelModelSettingServer:options:
 *
 * Further connection options.
 */
/**
 * TavrelModelSettingServer:password:
 *
 * The password.
 */
/**
 * TavrelModelSettingServer:port:
 *
 * The server's port.
 */
/**
 * TavrelModelSettingServer:provider:
 *
 * The kind of server, "UNKNOWN" by default.
 */
/**
 * TavrelModelSettingServer:ssh-auth-type:
 *
 * The SSH authentication method, "password" by default.
 */
/**
 * TavrelModelSettingServer:ssh-host:
 *
 * The SSH host.
 */
/**
 * TavrelModelSettingServer:ssh-key-private-file:
 *
 * The SSH private key file.
 */
/**
 * TavrelModelSettingServer:ssh-password:
 *
 * The SSH password.
 */
/**
 * TavrelModelSettingServer:ssh-port:
 *
 * The SSH port, 22 by default.
 */
/**
 * TavrelModelSettingServer:ssh-process:
 *
 * The SSH program, "ssh" by default.
 */
/**
 * TavrelModelSettingServer:ssh-username:
 *
 * The SSH user name.
 */
/**
 * TavrelModelSettingServer:ssh-using:
 *
 * Whether the connection goes through an SSH tunnel.
 */
/**
 * TavrelModelSettingServer:ssl-ca-file:
 *
 * The TLS certificate authority file.
 */
/**
 * TavrelModelSettingServer:ssl-cert-file:
 *
 * The TLS certificate file.
 */
/**
 * TavrelModelSettingServer:ssl-key-file:
 *
 * The TLS key file.
 */
/**
 * TavrelModelSettingServer:ssl-mode:
 *
 * The TLS mode, "require" by default.
 */
/**
 * TavrelModelSettingServer:ssl-password:
 *
 * The TLS key's password.
 */
/**
 * TavrelModelSettingServer:ssl-using:
 *
 * Whether the connection uses TLS.
 */
/**
 * TavrelModelSettingServer:title:
 *
 * The profile's display name.
 */
/**
 * TavrelModelSettingServer:username:
 *
 * The user name.
 */
/**
 * TavrelModelSettingServer:uuid:
 *
 * The profile's identity.
 */
#define TAVREL_MODEL_SETTING_TYPE_SERVER (tavrel_model_setting_server_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelSettingServer, tavrel_model_setting_server, TAVREL_MODEL_SETTING, SERVER, GObject)

struct _TavrelModelSettingServerClass {
  GObjectClass parent_class;
};

/**
 * tavrel_model_setting_server_new:
 *
 * Creates a profile with the defaults and an empty identity.
 *
 * Returns: (transfer full): a new #TavrelModelSettingServer
 */
TAVREL_MODEL_API TavrelModelSettingServer *tavrel_model_setting_server_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelSettingServer or a type
 *   derived from it
 *
 * Creates a profile with the defaults and an empty identity, as an instance
 * of @object_type. For the constructors of derived classes; bindings use the
 * `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelSettingServer *tavrel_model_setting_server_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_new_with_provider:
 * @provider: the provider's name
 *
 * Creates a profile of a provider, with a fresh identity (an upper-case
 * random UUID).
 *
 * Returns: (transfer full): a new #TavrelModelSettingServer
 */
TAVREL_MODEL_API TavrelModelSettingServer *tavrel_model_setting_server_new_with_provider (const gchar *provider) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_construct_with_provider: (skip)
 * @object_type: the type to instantiate: #TavrelModelSettingServer or a type
 *   derived from it
 * @provider: the provider's name
 *
 * Creates a profile of a provider, with a fresh identity (an upper-case
 * random UUID), as an instance of @object_type. For the constructors of
 * derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelSettingServer *tavrel_model_setting_server_construct_with_provider (GType object_type, const gchar *provider) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_clone:
 * @self: a #TavrelModelSettingServer
 * @new_identity: whether the copy gets a fresh identity
 *
 * Copies the profile: every writable property, the databases deeply.
 *
 * Returns: (transfer full): a new #TavrelModelSettingServer
 */
TAVREL_MODEL_API TavrelModelSettingServer *tavrel_model_setting_server_clone (TavrelModelSettingServer *self, gboolean new_identity) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_to_string:
 * @self: a #TavrelModelSettingServer
 * @with_identity: whether to end with the identity
 *
 * Describes the profile on one line; passwords never appear.
 *
 * Returns: (transfer full): the description
 */
TAVREL_MODEL_API gchar *tavrel_model_setting_server_to_string (TavrelModelSettingServer *self, gboolean with_identity) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_databases:
 * @self: a #TavrelModelSettingServer
 * @length: (out) (optional): where to store their number
 *
 * Gives the databases to show.
 *
 * Returns: (transfer none) (array length=length): the borrowed
 *   %NULL-terminated vector, never %NULL
 */
TAVREL_MODEL_API const gchar *const *tavrel_model_setting_server_get_databases (TavrelModelSettingServer *self, gint *length) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_databases:
 * @self: a #TavrelModelSettingServer
 * @value: (array length=length) (nullable): the names, none of them %NULL
 * @length: the number of names, 0 or more
 *
 * Stores a deep copy of the databases to show; the very vector the profile
 * holds changes nothing, any other notifies
 * #TavrelModelSettingServer:databases.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_databases (TavrelModelSettingServer *self, const gchar *const *value, gint length) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_uuid:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the profile's identity.
 *
 * Returns: (transfer none) (nullable): the profile's identity
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_uuid (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_uuid:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the profile's identity.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_uuid (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_provider:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the kind of server, "UNKNOWN" by default.
 *
 * Returns: (transfer none) (nullable): the kind of server, "UNKNOWN" by
 *   default
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_provider (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_provider:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the kind of server, "UNKNOWN" by default.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_provider (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_driver:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the driver.
 *
 * Returns: (transfer none) (nullable): the driver
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_driver (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_driver:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the driver.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_driver (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_title:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the profile's display name.
 *
 * Returns: (transfer none) (nullable): the profile's display name
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_title (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_title:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the profile's display name.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_title (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_host:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the server's host.
 *
 * Returns: (transfer none) (nullable): the server's host
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_host (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_host:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the server's host.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_host (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_port:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the server's port.
 *
 * Returns: the server's port
 */
TAVREL_MODEL_API gint tavrel_model_setting_server_get_port (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_port:
 * @self: a #TavrelModelSettingServer
 * @value: the new value
 *
 * Sets the server's port.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_port (TavrelModelSettingServer *self, gint value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_instance:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the server instance.
 *
 * Returns: (transfer none) (nullable): the server instance
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_instance (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_instance:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the server instance.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_instance (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_username:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the user name.
 *
 * Returns: (transfer none) (nullable): the user name
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_username (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_username:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the user name.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_username (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_password:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the password.
 *
 * Returns: (transfer none) (nullable): the password
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_password (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_password:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the password.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_password (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_initial:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the database to open first.
 *
 * Returns: (transfer none) (nullable): the database to open first
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_initial (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_initial:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the database to open first.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_initial (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_filename:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the database file, for servers that are files.
 *
 * Returns: (transfer none) (nullable): the database file, for servers that
 *   are files
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_filename (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_filename:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the database file, for servers that are files.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_filename (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_location:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the location.
 *
 * Returns: (transfer none) (nullable): the location
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_location (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_location:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the location.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_location (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_extensions:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the extensions to load.
 *
 * Returns: (transfer none) (nullable): the extensions to load
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_extensions (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_extensions:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the extensions to load.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_extensions (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_options:
 * @self: a #TavrelModelSettingServer
 *
 * Gets further connection options.
 *
 * Returns: (transfer none) (nullable): further connection options
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_options (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_options:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets further connection options.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_options (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_ssh_using:
 * @self: a #TavrelModelSettingServer
 *
 * Tells whether the connection goes through an SSH tunnel.
 *
 * Returns: whether the connection goes through an SSH tunnel
 */
TAVREL_MODEL_API gboolean tavrel_model_setting_server_get_ssh_using (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_ssh_using:
 * @self: a #TavrelModelSettingServer
 * @value: the new value
 *
 * Sets whether the connection goes through an SSH tunnel.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_using (TavrelModelSettingServer *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_ssh_process:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the SSH program, "ssh" by default.
 *
 * Returns: (transfer none) (nullable): the SSH program, "ssh" by default
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssh_process (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_ssh_process:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the SSH program, "ssh" by default.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_process (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_ssh_host:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the SSH host.
 *
 * Returns: (transfer none) (nullable): the SSH host
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssh_host (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_ssh_host:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the SSH host.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_host (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_ssh_port:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the SSH port, 22 by default.
 *
 * Returns: the SSH port, 22 by default
 */
TAVREL_MODEL_API gint tavrel_model_setting_server_get_ssh_port (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_ssh_port:
 * @self: a #TavrelModelSettingServer
 * @value: the new value
 *
 * Sets the SSH port, 22 by default.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_port (TavrelModelSettingServer *self, gint value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_ssh_auth_type:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the SSH authentication method, "password" by default.
 *
 * Returns: (transfer none) (nullable): the SSH authentication method,
 *   "password" by default
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssh_auth_type (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_ssh_auth_type:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the SSH authentication method, "password" by default.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_auth_type (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_ssh_username:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the SSH user name.
 *
 * Returns: (transfer none) (nullable): the SSH user name
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssh_username (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_ssh_username:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the SSH user name.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_username (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_ssh_password:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the SSH password.
 *
 * Returns: (transfer none) (nullable): the SSH password
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssh_password (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_ssh_password:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the SSH password.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_password (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_ssh_key_private_file:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the SSH private key file.
 *
 * Returns: (transfer none) (nullable): the SSH private key file
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssh_key_private_file (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_ssh_key_private_file:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the SSH private key file.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssh_key_private_file (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_http_using:
 * @self: a #TavrelModelSettingServer
 *
 * Tells whether the connection goes through an HTTP tunnel.
 *
 * Returns: whether the connection goes through an HTTP tunnel
 */
TAVREL_MODEL_API gboolean tavrel_model_setting_server_get_http_using (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_http_using:
 * @self: a #TavrelModelSettingServer
 * @value: the new value
 *
 * Sets whether the connection goes through an HTTP tunnel.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_using (TavrelModelSettingServer *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_http_process:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the HTTP tunnel program, "wstunnel" by default.
 *
 * Returns: (transfer none) (nullable): the HTTP tunnel program, "wstunnel" by
 *   default
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_process (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_http_process:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the HTTP tunnel program, "wstunnel" by default.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_process (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_http_protocol:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the HTTP tunnel's protocol, "http" by default.
 *
 * Returns: (transfer none) (nullable): the HTTP tunnel's protocol, "http" by
 *   default
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_protocol (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_http_protocol:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the HTTP tunnel's protocol, "http" by default.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_protocol (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_http_host:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the HTTP tunnel's host.
 *
 * Returns: (transfer none) (nullable): the HTTP tunnel's host
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_host (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_http_host:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the HTTP tunnel's host.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_host (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_http_port:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the HTTP tunnel's port, 8080 by default.
 *
 * Returns: the HTTP tunnel's port, 8080 by default
 */
TAVREL_MODEL_API gint tavrel_model_setting_server_get_http_port (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_http_port:
 * @self: a #TavrelModelSettingServer
 * @value: the new value
 *
 * Sets the HTTP tunnel's port, 8080 by default.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_port (TavrelModelSettingServer *self, gint value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_http_auth:
 * @self: a #TavrelModelSettingServer
 *
 * Tells whether the HTTP tunnel authenticates.
 *
 * Returns: whether the HTTP tunnel authenticates
 */
TAVREL_MODEL_API gboolean tavrel_model_setting_server_get_http_auth (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_http_auth:
 * @self: a #TavrelModelSettingServer
 * @value: the new value
 *
 * Sets whether the HTTP tunnel authenticates.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_auth (TavrelModelSettingServer *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_http_username:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the HTTP tunnel's user name.
 *
 * Returns: (transfer none) (nullable): the HTTP tunnel's user name
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_username (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_http_username:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the HTTP tunnel's user name.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_username (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_http_password:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the HTTP tunnel's password.
 *
 * Returns: (transfer none) (nullable): the HTTP tunnel's password
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_password (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_http_password:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the HTTP tunnel's password.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_password (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_http_ca_file:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the HTTP tunnel's certificate authority file.
 *
 * Returns: (transfer none) (nullable): the HTTP tunnel's certificate
 *   authority file
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_ca_file (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_http_ca_file:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the HTTP tunnel's certificate authority file.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_ca_file (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_http_cert_file:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the HTTP tunnel's certificate file.
 *
 * Returns: (transfer none) (nullable): the HTTP tunnel's certificate file
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_cert_file (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_http_cert_file:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the HTTP tunnel's certificate file.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_cert_file (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_http_key_file:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the HTTP tunnel's key file.
 *
 * Returns: (transfer none) (nullable): the HTTP tunnel's key file
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_http_key_file (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_http_key_file:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the HTTP tunnel's key file.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_http_key_file (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_ssl_using:
 * @self: a #TavrelModelSettingServer
 *
 * Tells whether the connection uses TLS.
 *
 * Returns: whether the connection uses TLS
 */
TAVREL_MODEL_API gboolean tavrel_model_setting_server_get_ssl_using (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_ssl_using:
 * @self: a #TavrelModelSettingServer
 * @value: the new value
 *
 * Sets whether the connection uses TLS.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssl_using (TavrelModelSettingServer *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_ssl_ca_file:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the TLS certificate authority file.
 *
 * Returns: (transfer none) (nullable): the TLS certificate authority file
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssl_ca_file (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_ssl_ca_file:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the TLS certificate authority file.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssl_ca_file (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_ssl_cert_file:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the TLS certificate file.
 *
 * Returns: (transfer none) (nullable): the TLS certificate file
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssl_cert_file (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_ssl_cert_file:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the TLS certificate file.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssl_cert_file (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_ssl_key_file:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the TLS key file.
 *
 * Returns: (transfer none) (nullable): the TLS key file
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssl_key_file (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_ssl_key_file:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the TLS key file.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssl_key_file (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_ssl_mode:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the TLS mode, "require" by default.
 *
 * Returns: (transfer none) (nullable): the TLS mode, "require" by default
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssl_mode (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_ssl_mode:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the TLS mode, "require" by default.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssl_mode (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_get_ssl_password:
 * @self: a #TavrelModelSettingServer
 *
 * Gets the TLS key's password.
 *
 * Returns: (transfer none) (nullable): the TLS key's password
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_server_get_ssl_password (TavrelModelSettingServer *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_server_set_ssl_password:
 * @self: a #TavrelModelSettingServer
 * @value: (nullable): the new text, copied
 *
 * Sets the TLS key's password.
 */
TAVREL_MODEL_API void tavrel_model_setting_server_set_ssl_password (TavrelModelSettingServer *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Network proxy settings (Setting/network)
 * ====================================================================== */

/**
 * TavrelModelSettingNetworkSetting:
 *
 * Proxy settings: whether a proxy is used, its kind as a number, its host and
 * port and the credentials for it.
 */
/**
 * TavrelModelSettingNetworkSetting:proxy-host:
 *
 * The proxy's host.
 */
/**
 * TavrelModelSettingNetworkSetting:proxy-password:
 *
 * The password for the proxy.
 */
/**
 * TavrelModelSettingNetworkSetting:proxy-port:
 *
 * The proxy's port.
 */
/**
 * TavrelModelSettingNetworkSetting:proxy-type:
 *
 * The kind of proxy, as an opaque number.
 */
/**
 * TavrelModelSettingNetworkSetting:proxy-username:
 *
 * The user name for the proxy.
 */
/**
 * TavrelModelSettingNetworkSetting:proxy-using:
 *
 * Whether a proxy is used.
 */
#define TAVREL_MODEL_SETTING_TYPE_NETWORK_SETTING (tavrel_model_setting_network_setting_get_type ())
TAVREL_MODEL_DECLARE_DERIVABLE (TavrelModelSettingNetworkSetting, tavrel_model_setting_network_setting, TAVREL_MODEL_SETTING, NETWORK_SETTING, GObject)

struct _TavrelModelSettingNetworkSettingClass {
  GObjectClass parent_class;
};

/**
 * tavrel_model_setting_network_setting_new:
 *
 * Creates proxy settings with the defaults.
 *
 * Returns: (transfer full): a new #TavrelModelSettingNetworkSetting
 */
TAVREL_MODEL_API TavrelModelSettingNetworkSetting *tavrel_model_setting_network_setting_new (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_network_setting_construct: (skip)
 * @object_type: the type to instantiate: #TavrelModelSettingNetworkSetting or
 *   a type derived from it
 *
 * Creates proxy settings with the defaults, as an instance of @object_type.
 * For the constructors of derived classes; bindings use the `new` form.
 *
 * Returns: (transfer full): a new instance of @object_type
 */
TAVREL_MODEL_API TavrelModelSettingNetworkSetting *tavrel_model_setting_network_setting_construct (GType object_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_network_setting_get_proxy_using:
 * @self: a #TavrelModelSettingNetworkSetting
 *
 * Tells whether a proxy is used.
 *
 * Returns: whether a proxy is used
 */
TAVREL_MODEL_API gboolean tavrel_model_setting_network_setting_get_proxy_using (TavrelModelSettingNetworkSetting *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_network_setting_set_proxy_using:
 * @self: a #TavrelModelSettingNetworkSetting
 * @value: the new value
 *
 * Sets whether a proxy is used.
 */
TAVREL_MODEL_API void tavrel_model_setting_network_setting_set_proxy_using (TavrelModelSettingNetworkSetting *self, gboolean value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_network_setting_get_proxy_type:
 * @self: a #TavrelModelSettingNetworkSetting
 *
 * Gets the kind of proxy, as an opaque number.
 *
 * Returns: the kind of proxy, as an opaque number
 */
TAVREL_MODEL_API guint32 tavrel_model_setting_network_setting_get_proxy_type (TavrelModelSettingNetworkSetting *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_network_setting_set_proxy_type:
 * @self: a #TavrelModelSettingNetworkSetting
 * @value: the new value
 *
 * Sets the kind of proxy, as an opaque number.
 */
TAVREL_MODEL_API void tavrel_model_setting_network_setting_set_proxy_type (TavrelModelSettingNetworkSetting *self, guint32 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_network_setting_get_proxy_host:
 * @self: a #TavrelModelSettingNetworkSetting
 *
 * Gets the proxy's host.
 *
 * Returns: (transfer none) (nullable): the proxy's host
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_network_setting_get_proxy_host (TavrelModelSettingNetworkSetting *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_network_setting_set_proxy_host:
 * @self: a #TavrelModelSettingNetworkSetting
 * @value: (nullable): the new text, copied
 *
 * Sets the proxy's host.
 */
TAVREL_MODEL_API void tavrel_model_setting_network_setting_set_proxy_host (TavrelModelSettingNetworkSetting *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_network_setting_get_proxy_port:
 * @self: a #TavrelModelSettingNetworkSetting
 *
 * Gets the proxy's port.
 *
 * Returns: the proxy's port
 */
TAVREL_MODEL_API guint16 tavrel_model_setting_network_setting_get_proxy_port (TavrelModelSettingNetworkSetting *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_network_setting_set_proxy_port:
 * @self: a #TavrelModelSettingNetworkSetting
 * @value: the new value
 *
 * Sets the proxy's port.
 */
TAVREL_MODEL_API void tavrel_model_setting_network_setting_set_proxy_port (TavrelModelSettingNetworkSetting *self, guint16 value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_network_setting_get_proxy_username:
 * @self: a #TavrelModelSettingNetworkSetting
 *
 * Gets the user name for the proxy.
 *
 * Returns: (transfer none) (nullable): the user name for the proxy
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_network_setting_get_proxy_username (TavrelModelSettingNetworkSetting *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_network_setting_set_proxy_username:
 * @self: a #TavrelModelSettingNetworkSetting
 * @value: (nullable): the new text, copied
 *
 * Sets the user name for the proxy.
 */
TAVREL_MODEL_API void tavrel_model_setting_network_setting_set_proxy_username (TavrelModelSettingNetworkSetting *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_network_setting_get_proxy_password:
 * @self: a #TavrelModelSettingNetworkSetting
 *
 * Gets the password for the proxy.
 *
 * Returns: (transfer none) (nullable): the password for the proxy
 */
TAVREL_MODEL_API const gchar *tavrel_model_setting_network_setting_get_proxy_password (TavrelModelSettingNetworkSetting *self) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_setting_network_setting_set_proxy_password:
 * @self: a #TavrelModelSettingNetworkSetting
 * @value: (nullable): the new text, copied
 *
 * Sets the password for the proxy.
 */
TAVREL_MODEL_API void tavrel_model_setting_network_setting_set_proxy_password (TavrelModelSettingNetworkSetting *self, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/* ======================================================================
 * Container helpers for bindings (Bindings/containers)
 * ====================================================================== */

/*
 * Lists and maps are libgee containers: a list of objects or of strings
 * (#GeeArrayList), a map from strings to strings or to change versions
 * (#GeeHashMap).  C callers use libgee directly.  libgee's own methods take
 * and return bare pointers, which a binding cannot type, so these helpers
 * give Python, JavaScript and Vala callers typed access to the live
 * containers: each checks that the container holds the element type it
 * names and goes through the container's own copy and free functions.
 */

/**
 * tavrel_model_list_new_objects:
 * @element_type: the class (or interface) of the elements
 *
 * Creates an empty list of objects of @element_type, holding a reference
 * to each element, for a list-valued property's setter (a table's
 * constraints, a schema's tables...).
 *
 * Returns: (transfer full): a new list
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_list_new_objects (GType element_type) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_new_strings:
 *
 * Creates an empty list of strings, holding a copy of each, for a
 * list-valued property's setter (a routine's parameters, a key's columns).
 *
 * Returns: (transfer full): a new list
 */
TAVREL_MODEL_API GeeArrayList *tavrel_model_list_new_strings (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_get_size:
 * @list: a list
 *
 * Counts the elements of a list.
 *
 * Returns: the number of elements
 */
TAVREL_MODEL_API gint tavrel_model_list_get_size (GeeArrayList *list) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_get_object:
 * @list: a list of objects
 * @position: the position, from 0 to the number of elements - 1
 *
 * Reads an element of a list of objects.
 *
 * Returns: (transfer full) (nullable): the element, or %NULL when the list
 *   holds %NULL there or refuses the arguments
 */
TAVREL_MODEL_API GObject *tavrel_model_list_get_object (GeeArrayList *list, gint position) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_get_string:
 * @list: a list of strings
 * @position: the position, from 0 to the number of elements - 1
 *
 * Reads an element of a list of strings.
 *
 * Returns: (transfer full) (nullable): a copy of the element, or %NULL
 */
TAVREL_MODEL_API gchar *tavrel_model_list_get_string (GeeArrayList *list, gint position) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_get_objects:
 * @list: a list of objects
 * @length: (out) (optional): where to store the number of elements
 *
 * Reads every element of a list of objects at once.
 *
 * Returns: (transfer full) (array length=length) (nullable): the elements
 *   in order, or %NULL when the list is refused
 */
TAVREL_MODEL_API GObject **tavrel_model_list_get_objects (GeeArrayList *list, gint *length) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_get_strings:
 * @list: a list of strings
 *
 * Reads every element of a list of strings at once; a %NULL element reads
 * as "".
 *
 * Returns: (transfer full) (array zero-terminated=1) (nullable): the
 *   elements in order, or %NULL when the list is refused
 */
TAVREL_MODEL_API gchar **tavrel_model_list_get_strings (GeeArrayList *list) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_append_object:
 * @list: a list of objects
 * @item: an object of the list's element type; the list takes a reference
 *
 * Appends an object to a list.
 *
 * Returns: the element's position, or -1 when the arguments are refused
 */
TAVREL_MODEL_API gint tavrel_model_list_append_object (GeeArrayList *list, GObject *item) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_append_string:
 * @list: a list of strings
 * @item: the text; the list keeps a copy
 *
 * Appends a string to a list.
 *
 * Returns: the element's position, or -1 when the arguments are refused
 */
TAVREL_MODEL_API gint tavrel_model_list_append_string (GeeArrayList *list, const gchar *item) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_insert_object:
 * @list: a list of objects
 * @position: the position to insert at, from 0 to the number of elements
 * @item: an object of the list's element type; the list takes a reference
 *
 * Inserts an object before a position.
 *
 * Returns: %TRUE when inserted
 */
TAVREL_MODEL_API gboolean tavrel_model_list_insert_object (GeeArrayList *list, gint position, GObject *item) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_insert_string:
 * @list: a list of strings
 * @position: the position to insert at, from 0 to the number of elements
 * @item: the text; the list keeps a copy
 *
 * Inserts a string before a position.
 *
 * Returns: %TRUE when inserted
 */
TAVREL_MODEL_API gboolean tavrel_model_list_insert_string (GeeArrayList *list, gint position, const gchar *item) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_set_object:
 * @list: a list of objects
 * @position: the position, from 0 to the number of elements - 1
 * @item: an object of the list's element type; the list takes a reference
 *
 * Replaces an element of a list of objects; the list releases the old one.
 *
 * Returns: %TRUE when replaced
 */
TAVREL_MODEL_API gboolean tavrel_model_list_set_object (GeeArrayList *list, gint position, GObject *item) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_set_string:
 * @list: a list of strings
 * @position: the position, from 0 to the number of elements - 1
 * @item: the text; the list keeps a copy
 *
 * Replaces an element of a list of strings; the list frees the old one.
 *
 * Returns: %TRUE when replaced
 */
TAVREL_MODEL_API gboolean tavrel_model_list_set_string (GeeArrayList *list, gint position, const gchar *item) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_index_of_object:
 * @list: a list of objects
 * @item: the object to look for
 *
 * Looks an object up by identity.
 *
 * Returns: the position of its first occurrence, or -1
 */
TAVREL_MODEL_API gint tavrel_model_list_index_of_object (GeeArrayList *list, GObject *item) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_remove_at:
 * @list: a list
 * @position: the position, from 0 to the number of elements - 1
 *
 * Removes an element; the list releases it.
 *
 * Returns: %TRUE when removed
 */
TAVREL_MODEL_API gboolean tavrel_model_list_remove_at (GeeArrayList *list, gint position) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_list_clear:
 * @list: a list
 *
 * Removes every element; the list object stays the same.
 */
TAVREL_MODEL_API void tavrel_model_list_clear (GeeArrayList *list) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_map_new_strings:
 *
 * Creates an empty map from strings to strings, holding copies, for a
 * map-valued property's setter (an object's attributes, a role's
 * privileges).
 *
 * Returns: (transfer full): a new map
 */
TAVREL_MODEL_API GeeHashMap *tavrel_model_map_new_strings (void) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_map_get_size:
 * @map: a map with string keys
 *
 * Counts the entries of a map.
 *
 * Returns: the number of entries
 */
TAVREL_MODEL_API gint tavrel_model_map_get_size (GeeHashMap *map) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_map_get_keys:
 * @map: a map with string keys
 *
 * Lists the keys of a map, sorted, so that they read the same in every
 * run.
 *
 * Returns: (transfer full) (array zero-terminated=1) (nullable): the keys,
 *   or %NULL when the map is refused
 */
TAVREL_MODEL_API gchar **tavrel_model_map_get_keys (GeeHashMap *map) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_map_has_key:
 * @map: a map with string keys
 * @key: the key
 *
 * Tells whether a map holds a key.
 *
 * Returns: %TRUE when it does
 */
TAVREL_MODEL_API gboolean tavrel_model_map_has_key (GeeHashMap *map, const gchar *key) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_map_get_string:
 * @map: a map from strings to strings
 * @key: the key
 *
 * Reads an entry of a map of strings.
 *
 * Returns: (transfer full) (nullable): a copy of the value, or %NULL when
 *   the key is absent
 */
TAVREL_MODEL_API gchar *tavrel_model_map_get_string (GeeHashMap *map, const gchar *key) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_map_set_string:
 * @map: a map from strings to strings
 * @key: the key; the map keeps a copy
 * @value: the value; the map keeps a copy
 *
 * Adds an entry to a map of strings, or replaces the value of its key.
 */
TAVREL_MODEL_API void tavrel_model_map_set_string (GeeHashMap *map, const gchar *key, const gchar *value) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_map_lookup_version:
 * @map: a map from strings to change versions, as a change record's diff map
 * @key: the key
 * @version: (out) (optional): where to store the version, INITIAL when the
 *   key is absent
 *
 * Reads an entry of a map of change versions.
 *
 * Returns: %TRUE when the key is present
 */
TAVREL_MODEL_API gboolean tavrel_model_map_lookup_version (GeeHashMap *map, const gchar *key, TavrelModelTransformDataVersion *version) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_map_set_version:
 * @map: a map from strings to change versions
 * @key: the key; the map keeps a copy
 * @version: the version
 *
 * Adds an entry to a map of change versions, or replaces the version of
 * its key.
 */
TAVREL_MODEL_API void tavrel_model_map_set_version (GeeHashMap *map, const gchar *key, TavrelModelTransformDataVersion version) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_map_remove:
 * @map: a map with string keys
 * @key: the key
 *
 * Removes an entry; the map frees it.
 *
 * Returns: %TRUE when the key was present
 */
TAVREL_MODEL_API gboolean tavrel_model_map_remove (GeeHashMap *map, const gchar *key) TAVREL_MODEL_NOEXCEPT;

/**
 * tavrel_model_map_clear:
 * @map: a map with string keys
 *
 * Removes every entry; the map object stays the same.
 */
TAVREL_MODEL_API void tavrel_model_map_clear (GeeHashMap *map) TAVREL_MODEL_NOEXCEPT;

G_END_DECLS

/* The catalogue metadata model, and the patcher that compares data and
 * catalogues. */
#include "libmodel-meta.h"
#include "libmodel-transform.h"

#endif /* TAVREL_MODEL_H */
