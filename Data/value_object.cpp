/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * The frame every value shares: value kinds, the value interface, the base
 * class that implements it through overridable class operations, and the
 * two values that carry no payload of their own, NULL and error.
 */

#include "Data/value_object.h"

#include "Support/check.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"

/* ---- value kinds ------------------------------------------------------- */

#define KIND(NAME, nick) {TAVREL_MODEL_DATA_DATA_TYPE_##NAME, "TAVREL_MODEL_DATA_DATA_TYPE_" #NAME, nick}

static const GEnumValue data_type_values[] = {
    KIND (UNKNOWN, "unknown"),     KIND (DBNULL, "dbnull"),       KIND (BOOLEAN, "boolean"),
    KIND (CHAR, "char"),           KIND (INT8, "int8"),           KIND (INT16, "int16"),
    KIND (INT32, "int32"),         KIND (INT64, "int64"),         KIND (UINT8, "uint8"),
    KIND (UINT16, "uint16"),       KIND (UINT32, "uint32"),       KIND (UINT64, "uint64"),
    KIND (ENUM, "enum"),           KIND (FLAGS, "flags"),         KIND (SET, "set"),
    KIND (MONEY, "money"),         KIND (DECIMAL, "decimal"),     KIND (FLOAT, "float"),
    KIND (DOUBLE, "double"),       KIND (DATE, "date"),           KIND (TIME, "time"),
    KIND (DATETIME, "datetime"),   KIND (TIMESPAN, "timespan"),   KIND (TIMESTAMP, "timestamp"),
    KIND (STRING, "string"),       KIND (WSTRING, "wstring"),     KIND (XML, "xml"),
    KIND (UUID, "uuid"),           KIND (JSON, "json"),           KIND (GEOMETRY, "geometry"),
    KIND (GEOGRAPHY, "geography"), KIND (BINARY, "binary"),       KIND (BLOB, "blob"),
    KIND (OBJECT, "object"),       KIND (POINTER, "pointer"),     KIND (VARIANT, "variant"),
    KIND (ARRAY, "array"),         KIND (VECTOR, "vector"),       KIND (RANGE, "range"),
    KIND (COMPOSITE, "composite"), KIND (ERROR, "error"),         {0, nullptr, nullptr},
};

#undef KIND

static constexpr int data_type_count = G_N_ELEMENTS (data_type_values) - 1;

extern "C" GType
tavrel_model_data_data_type_get_type (void)
{
  static const GType type =
      g_enum_register_static (g_intern_static_string ("TavrelModelDataDataType"), data_type_values);
  return type;
}

/* The table is indexed by the kind's number: kinds run 0 to 40 without gaps. */
extern "C" gchar *
tavrel_model_data_data_type_to_string (TavrelModelDataDataType self) noexcept
{
  int kind = int (self);
  if (kind < 0 || kind >= data_type_count)
    return nullptr;
  return g_strdup (data_type_values[kind].value_nick);
}

extern "C" GType
tavrel_model_data_data_type_get_glib_type (TavrelModelDataDataType self) noexcept
{
  switch (self) {
  case TAVREL_MODEL_DATA_DATA_TYPE_DBNULL: return TAVREL_MODEL_DATA_TYPE_VALUE_NULL;
  case TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN: return G_TYPE_BOOLEAN;
  case TAVREL_MODEL_DATA_DATA_TYPE_CHAR: return G_TYPE_UCHAR;
  case TAVREL_MODEL_DATA_DATA_TYPE_INT8: return G_TYPE_CHAR;
  case TAVREL_MODEL_DATA_DATA_TYPE_INT16: return G_TYPE_INT;
  case TAVREL_MODEL_DATA_DATA_TYPE_INT32: return G_TYPE_INT;
  case TAVREL_MODEL_DATA_DATA_TYPE_INT64: return G_TYPE_INT64;
  case TAVREL_MODEL_DATA_DATA_TYPE_UINT8: return G_TYPE_UCHAR;
  case TAVREL_MODEL_DATA_DATA_TYPE_UINT16: return G_TYPE_UINT;
  /* Deliberately signed: stored results and callers rely on these two. */
  case TAVREL_MODEL_DATA_DATA_TYPE_UINT32: return G_TYPE_INT;
  case TAVREL_MODEL_DATA_DATA_TYPE_UINT64: return G_TYPE_INT64;
  case TAVREL_MODEL_DATA_DATA_TYPE_ENUM: return G_TYPE_ENUM;
  case TAVREL_MODEL_DATA_DATA_TYPE_FLAGS: return G_TYPE_FLAGS;
  case TAVREL_MODEL_DATA_DATA_TYPE_SET: return G_TYPE_ENUM;
  case TAVREL_MODEL_DATA_DATA_TYPE_MONEY: return G_TYPE_DOUBLE;
  case TAVREL_MODEL_DATA_DATA_TYPE_DECIMAL: return G_TYPE_DOUBLE;
  case TAVREL_MODEL_DATA_DATA_TYPE_FLOAT: return G_TYPE_FLOAT;
  case TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE: return G_TYPE_DOUBLE;
  case TAVREL_MODEL_DATA_DATA_TYPE_DATE: return G_TYPE_DATE;
  case TAVREL_MODEL_DATA_DATA_TYPE_TIME: return G_TYPE_POINTER;
  case TAVREL_MODEL_DATA_DATA_TYPE_DATETIME: return G_TYPE_DATE_TIME;
  case TAVREL_MODEL_DATA_DATA_TYPE_TIMESPAN: return G_TYPE_INT64;
  case TAVREL_MODEL_DATA_DATA_TYPE_BINARY: return G_TYPE_BYTES;
  case TAVREL_MODEL_DATA_DATA_TYPE_BLOB: return G_TYPE_BYTES;
  case TAVREL_MODEL_DATA_DATA_TYPE_OBJECT: return G_TYPE_OBJECT;
  case TAVREL_MODEL_DATA_DATA_TYPE_VARIANT: return G_TYPE_VARIANT;
  case TAVREL_MODEL_DATA_DATA_TYPE_ARRAY: return G_TYPE_ARRAY;
  case TAVREL_MODEL_DATA_DATA_TYPE_VECTOR: return G_TYPE_ARRAY;
  case TAVREL_MODEL_DATA_DATA_TYPE_RANGE: return G_TYPE_ARRAY;
  case TAVREL_MODEL_DATA_DATA_TYPE_COMPOSITE: return G_TYPE_BYTES;
  default: return G_TYPE_STRING;
  }
}

namespace {

/* Type names that are not fundamental types but name a kind, in the order
 * they are tried.  Interned once, on first use. */
struct NamedKind {
  const char *name;
  TavrelModelDataDataType kind;
};

const NamedKind named_kinds[] = {
    {"gint8", TAVREL_MODEL_DATA_DATA_TYPE_INT8},
    {"guint8", TAVREL_MODEL_DATA_DATA_TYPE_UINT8},
    {"gchar", TAVREL_MODEL_DATA_DATA_TYPE_CHAR},
    {"guchar", TAVREL_MODEL_DATA_DATA_TYPE_CHAR},
    {"gint16", TAVREL_MODEL_DATA_DATA_TYPE_INT16},
    {"guint16", TAVREL_MODEL_DATA_DATA_TYPE_UINT16},
    {"gdate", TAVREL_MODEL_DATA_DATA_TYPE_DATE},
    {"gtime", TAVREL_MODEL_DATA_DATA_TYPE_TIME},
    {"gdatetime", TAVREL_MODEL_DATA_DATA_TYPE_DATETIME},
    {"gtimespan", TAVREL_MODEL_DATA_DATA_TYPE_TIMESPAN},
    {"gtimestamp", TAVREL_MODEL_DATA_DATA_TYPE_DATETIME},
    {"gnumeric", TAVREL_MODEL_DATA_DATA_TYPE_DECIMAL},
    {"guid", TAVREL_MODEL_DATA_DATA_TYPE_UUID},
    {"uuid", TAVREL_MODEL_DATA_DATA_TYPE_UUID},
    {"xml", TAVREL_MODEL_DATA_DATA_TYPE_XML},
    {"json", TAVREL_MODEL_DATA_DATA_TYPE_JSON},
    {"gobject", TAVREL_MODEL_DATA_DATA_TYPE_OBJECT},
    {"gbinary", TAVREL_MODEL_DATA_DATA_TYPE_BINARY},
    {"gblob", TAVREL_MODEL_DATA_DATA_TYPE_BLOB},
    {"gnull", TAVREL_MODEL_DATA_DATA_TYPE_DBNULL},
};

struct NamedKindQuarks {
  GQuark quark[G_N_ELEMENTS (named_kinds)];
  NamedKindQuarks ()
  {
    for (gsize i = 0; i < G_N_ELEMENTS (named_kinds); i++)
      quark[i] = g_quark_from_static_string (named_kinds[i].name);
  }
};

}  // namespace

extern "C" TavrelModelDataDataType
tavrel_model_data_data_type_get_data_type (GType type) noexcept
{
  switch (type) {
  case G_TYPE_CHAR: return TAVREL_MODEL_DATA_DATA_TYPE_INT8;
  case G_TYPE_UCHAR: return TAVREL_MODEL_DATA_DATA_TYPE_UINT8;
  case G_TYPE_BOOLEAN: return TAVREL_MODEL_DATA_DATA_TYPE_BOOLEAN;
  case G_TYPE_INT:
  case G_TYPE_LONG: return TAVREL_MODEL_DATA_DATA_TYPE_INT32;
  case G_TYPE_UINT:
  case G_TYPE_ULONG: return TAVREL_MODEL_DATA_DATA_TYPE_UINT32;
  case G_TYPE_INT64: return TAVREL_MODEL_DATA_DATA_TYPE_INT64;
  case G_TYPE_UINT64: return TAVREL_MODEL_DATA_DATA_TYPE_UINT64;
  case G_TYPE_ENUM: return TAVREL_MODEL_DATA_DATA_TYPE_ENUM;
  case G_TYPE_FLAGS: return TAVREL_MODEL_DATA_DATA_TYPE_FLAGS;
  case G_TYPE_FLOAT: return TAVREL_MODEL_DATA_DATA_TYPE_FLOAT;
  case G_TYPE_DOUBLE: return TAVREL_MODEL_DATA_DATA_TYPE_DOUBLE;
  case G_TYPE_STRING: return TAVREL_MODEL_DATA_DATA_TYPE_STRING;
  default: break;
  }

  const char *name = g_type_name (type);
  if (!name)
    return TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;

  static const NamedKindQuarks quarks;
  g_autofree char *lower = g_utf8_strdown (name, -1);
  /* A name that was never interned cannot be one of ours. */
  GQuark quark = g_quark_try_string (lower);
  if (quark == 0)
    return TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
  for (gsize i = 0; i < G_N_ELEMENTS (named_kinds); i++)
    if (quarks.quark[i] == quark)
      return named_kinds[i].kind;
  return TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
}

/* ---- the value interface ----------------------------------------------- */

G_DEFINE_INTERFACE (TavrelModelDataIValue, tavrel_model_data_ivalue, G_TYPE_OBJECT)

namespace lm::value {

GParamSpec *
name_spec ()
{
  return g_param_spec_string ("name", nullptr, nullptr, nullptr, RO);
}

GParamSpec *
data_type_spec ()
{
  return g_param_spec_enum ("data-type", nullptr, nullptr, TAVREL_MODEL_DATA_TYPE_DATA_TYPE,
                            TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN, RO);
}

static GParamSpec *
is_null_spec ()
{
  return g_param_spec_boolean ("is-null", nullptr, nullptr, FALSE, RO);
}

void
get_name (GObject *object, GValue *value)
{
  g_value_set_string (value, tavrel_model_data_value_object_get_name (TAVREL_MODEL_DATA_VALUE_OBJECT (object)));
}

void
get_data_type (GObject *object, GValue *value)
{
  g_value_set_enum (value, tavrel_model_data_value_object_get_data_type (TAVREL_MODEL_DATA_VALUE_OBJECT (object)));
}

static void
get_is_null (GObject *object, GValue *value)
{
  g_value_set_boolean (value, tavrel_model_data_value_object_get_is_null (TAVREL_MODEL_DATA_VALUE_OBJECT (object)));
}

}  // namespace lm::value

static void
tavrel_model_data_ivalue_default_init (TavrelModelDataIValueInterface *iface)
{
  g_object_interface_install_property (iface, lm::value::name_spec ());
  g_object_interface_install_property (iface, lm::value::data_type_spec ());
  g_object_interface_install_property (iface, lm::value::is_null_spec ());
}

static inline TavrelModelDataIValueInterface *
ivalue_iface (TavrelModelDataIValue *self)
{
  return lm::peek_iface<TavrelModelDataIValueInterface> (self, TAVREL_MODEL_DATA_TYPE_IVALUE);
}

#define IVALUE_CHECKED(neutral)                                                          \
  LM_RETURN_VAL_IF_FAIL (self != NULL, neutral);                                         \
  TavrelModelDataIValueInterface *iface = ivalue_iface (self);                           \
  LM_RETURN_VAL_IF_FAIL_TEXT (iface != nullptr, "TAVREL_MODEL_DATA_IS_IVALUE (self)", neutral)

extern "C" void
tavrel_model_data_ivalue_to_value (TavrelModelDataIValue *self, GValue *result) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  TavrelModelDataIValueInterface *iface = ivalue_iface (self);
  LM_RETURN_IF_FAIL_TEXT (iface != nullptr, "TAVREL_MODEL_DATA_IS_IVALUE (self)");
  LM_RETURN_IF_FAIL (result != NULL);
  if (iface->to_value)
    iface->to_value (self, result);
}

extern "C" gchar *
tavrel_model_data_ivalue_to_string (TavrelModelDataIValue *self) noexcept
{
  IVALUE_CHECKED (NULL);
  return iface->to_string ? iface->to_string (self) : nullptr;
}

extern "C" TavrelModelDataIValue *
tavrel_model_data_ivalue_clone (TavrelModelDataIValue *self) noexcept
{
  IVALUE_CHECKED (NULL);
  return iface->clone ? iface->clone (self) : nullptr;
}

extern "C" gchar *
tavrel_model_data_ivalue_dump (TavrelModelDataIValue *self) noexcept
{
  IVALUE_CHECKED (NULL);
  return iface->dump ? iface->dump (self) : nullptr;
}

extern "C" const gchar *
tavrel_model_data_ivalue_get_name (TavrelModelDataIValue *self) noexcept
{
  IVALUE_CHECKED (NULL);
  return iface->get_name ? iface->get_name (self) : nullptr;
}

extern "C" TavrelModelDataDataType
tavrel_model_data_ivalue_get_data_type (TavrelModelDataIValue *self) noexcept
{
  IVALUE_CHECKED (TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN);
  return iface->get_data_type ? iface->get_data_type (self) : TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
}

extern "C" gboolean
tavrel_model_data_ivalue_get_is_null (TavrelModelDataIValue *self) noexcept
{
  IVALUE_CHECKED (FALSE);
  return iface->get_is_null ? iface->get_is_null (self) : FALSE;
}

#undef IVALUE_CHECKED

/* ---- ValueObject --------------------------------------------------------- */

static void value_object_ivalue_init (TavrelModelDataIValueInterface *iface);

G_DEFINE_TYPE_WITH_CODE (TavrelModelDataValueObject, tavrel_model_data_value_object, G_TYPE_OBJECT,
                         G_IMPLEMENT_INTERFACE (TAVREL_MODEL_DATA_TYPE_IVALUE, value_object_ivalue_init))

static inline TavrelModelDataValueObject *
as_value (TavrelModelDataIValue *self)
{
  return reinterpret_cast<TavrelModelDataValueObject *> (self);
}

static inline TavrelModelDataValueObjectClass *
value_class (TavrelModelDataValueObject *self)
{
  return TAVREL_MODEL_DATA_VALUE_OBJECT_GET_CLASS (self);
}

static void
value_object_real_to_value (TavrelModelDataValueObject *, GValue *result)
{
  g_value_init (result, G_TYPE_STRING);
  g_value_set_static_string (result, "");
}

static gchar *
value_object_real_to_string (TavrelModelDataValueObject *)
{
  return g_strdup ("");
}

static TavrelModelDataValueObject *
value_object_real_clone (TavrelModelDataValueObject *)
{
  return tavrel_model_data_value_object_new ();
}

static gchar *
value_object_real_dump (TavrelModelDataValueObject *self)
{
  g_autofree gchar *text = value_class (self)->to_string ? value_class (self)->to_string (self) : nullptr;
  /* A value whose text is null says so rather than handing printf a null. */
  return g_strdup_printf ("%s => %s", G_OBJECT_TYPE_NAME (self), text ? text : "(null)");
}

static const gchar *
value_object_real_get_name (TavrelModelDataValueObject *)
{
  return "UNKNOWN";
}

static TavrelModelDataDataType
value_object_real_get_data_type (TavrelModelDataValueObject *)
{
  return TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
}

static gboolean
value_object_real_get_is_null (TavrelModelDataValueObject *)
{
  return FALSE;
}

static constexpr lm::Property value_object_properties[] = {
    lm::value::name_property,
    lm::value::data_type_property,
    lm::computed (lm::value::is_null_spec, lm::value::get_is_null),
};

static void
tavrel_model_data_value_object_class_init (TavrelModelDataValueObjectClass *klass)
{
  klass->to_value = value_object_real_to_value;
  klass->to_string = value_object_real_to_string;
  klass->clone = value_object_real_clone;
  klass->dump = value_object_real_dump;
  klass->get_name = value_object_real_get_name;
  klass->get_data_type = value_object_real_get_data_type;
  klass->get_is_null = value_object_real_get_is_null;
  lm::install_properties<value_object_properties> (G_OBJECT_CLASS (klass));
}

static void
tavrel_model_data_value_object_init (TavrelModelDataValueObject *)
{
}

/* Each slot of the interface is the exported ValueObject function of the
 * same name, so overriding the class operation serves both entry points. */
static void
value_object_ivalue_init (TavrelModelDataIValueInterface *iface)
{
  iface->to_value = [] (TavrelModelDataIValue *self, GValue *result) {
    tavrel_model_data_value_object_to_value (as_value (self), result);
  };
  iface->to_string = [] (TavrelModelDataIValue *self) { return tavrel_model_data_value_object_to_string (as_value (self)); };
  iface->clone = [] (TavrelModelDataIValue *self) {
    return reinterpret_cast<TavrelModelDataIValue *> (tavrel_model_data_value_object_clone (as_value (self)));
  };
  iface->dump = [] (TavrelModelDataIValue *self) { return tavrel_model_data_value_object_dump (as_value (self)); };
  iface->get_name = [] (TavrelModelDataIValue *self) { return tavrel_model_data_value_object_get_name (as_value (self)); };
  iface->get_data_type = [] (TavrelModelDataIValue *self) {
    return tavrel_model_data_value_object_get_data_type (as_value (self));
  };
  iface->get_is_null = [] (TavrelModelDataIValue *self) {
    return tavrel_model_data_value_object_get_is_null (as_value (self));
  };
}

extern "C" TavrelModelDataValueObject *
tavrel_model_data_value_object_new (void) noexcept
{
  return tavrel_model_data_value_object_construct (TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT);
}

extern "C" TavrelModelDataValueObject *
tavrel_model_data_value_object_construct (GType object_type) noexcept
{
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT), NULL);
  return lm::value::instantiate<TavrelModelDataValueObject> (object_type);
}

#define VALUE_CHECKED(neutral)                     \
  LM_RETURN_VAL_IF_FAIL (self != NULL, neutral);   \
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_OBJECT (self), neutral)

extern "C" void
tavrel_model_data_value_object_to_value (TavrelModelDataValueObject *self, GValue *result) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_OBJECT (self));
  LM_RETURN_IF_FAIL (result != NULL);
  if (value_class (self)->to_value)
    value_class (self)->to_value (self, result);
}

extern "C" gchar *
tavrel_model_data_value_object_to_string (TavrelModelDataValueObject *self) noexcept
{
  VALUE_CHECKED (NULL);
  return value_class (self)->to_string ? value_class (self)->to_string (self) : nullptr;
}

extern "C" TavrelModelDataValueObject *
tavrel_model_data_value_object_clone (TavrelModelDataValueObject *self) noexcept
{
  VALUE_CHECKED (NULL);
  return value_class (self)->clone ? value_class (self)->clone (self) : nullptr;
}

extern "C" gchar *
tavrel_model_data_value_object_dump (TavrelModelDataValueObject *self) noexcept
{
  VALUE_CHECKED (NULL);
  return value_class (self)->dump ? value_class (self)->dump (self) : nullptr;
}

extern "C" const gchar *
tavrel_model_data_value_object_get_name (TavrelModelDataValueObject *self) noexcept
{
  VALUE_CHECKED (NULL);
  return value_class (self)->get_name ? value_class (self)->get_name (self) : nullptr;
}

extern "C" TavrelModelDataDataType
tavrel_model_data_value_object_get_data_type (TavrelModelDataValueObject *self) noexcept
{
  VALUE_CHECKED (TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN);
  return value_class (self)->get_data_type ? value_class (self)->get_data_type (self)
                                           : TAVREL_MODEL_DATA_DATA_TYPE_UNKNOWN;
}

extern "C" gboolean
tavrel_model_data_value_object_get_is_null (TavrelModelDataValueObject *self) noexcept
{
  VALUE_CHECKED (FALSE);
  return value_class (self)->get_is_null ? value_class (self)->get_is_null (self) : FALSE;
}

#undef VALUE_CHECKED

/* ---- ValueNull ------------------------------------------------------------ */

G_DEFINE_TYPE (TavrelModelDataValueNull, tavrel_model_data_value_null, TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT)

static GParamSpec *
null_itsvalue_spec ()
{
  return g_param_spec_string ("itsvalue", nullptr, nullptr, nullptr, lm::RO);
}

static void
null_get_itsvalue (GObject *, GValue *value)
{
  g_value_set_static_string (value, "NULL");
}

static constexpr lm::Property value_null_properties[] = {
    lm::value::name_property,
    lm::computed (null_itsvalue_spec, null_get_itsvalue),
    lm::value::data_type_property,
};

static void
tavrel_model_data_value_null_class_init (TavrelModelDataValueNullClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  value_klass->to_value = [] (TavrelModelDataValueObject *, GValue *result) {
    g_value_init (result, G_TYPE_STRING);
    g_value_set_static_string (result, "NULL");
  };
  value_klass->to_string = [] (TavrelModelDataValueObject *) { return g_strdup (""); };
  value_klass->clone = [] (TavrelModelDataValueObject *) {
    return TAVREL_MODEL_DATA_VALUE_OBJECT (tavrel_model_data_value_null_new ());
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "NULL"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_DBNULL; };
  value_klass->get_is_null = [] (TavrelModelDataValueObject *) -> gboolean { return TRUE; };
  lm::install_properties<value_null_properties> (G_OBJECT_CLASS (klass));
}

static void
tavrel_model_data_value_null_init (TavrelModelDataValueNull *)
{
}

extern "C" TavrelModelDataValueNull *
tavrel_model_data_value_null_new (void) noexcept
{
  return tavrel_model_data_value_null_construct (TAVREL_MODEL_DATA_TYPE_VALUE_NULL);
}

extern "C" TavrelModelDataValueNull *
tavrel_model_data_value_null_construct (GType object_type) noexcept
{
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_NULL), NULL);
  return lm::value::instantiate<TavrelModelDataValueNull> (object_type);
}

extern "C" const gchar *
tavrel_model_data_value_null_get_itsvalue (TavrelModelDataValueNull *self) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_NULL (self), NULL);
  return "NULL";
}

/* ---- ValueError ----------------------------------------------------------- */

struct TavrelModelDataValueErrorPrivate {
  gint32 code = 0;
  lm::String message;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelDataValueError, tavrel_model_data_value_error,
                            TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelDataValueError, tavrel_model_data_value_error, TavrelModelDataValueErrorPrivate)

static inline TavrelModelDataValueErrorPrivate *
error_priv (TavrelModelDataValueObject *self)
{
  return lm::priv (reinterpret_cast<TavrelModelDataValueError *> (self));
}

static gchar *
value_error_render (TavrelModelDataValueObject *self)
{
  TavrelModelDataValueErrorPrivate *p = error_priv (self);
  return g_strdup_printf ("%d:%s", p->code, p->message.get ());
}

static GParamSpec *
error_itsvalue_spec ()
{
  return g_param_spec_string ("itsvalue", nullptr, nullptr, nullptr, lm::RO);
}

static void
error_get_itsvalue (GObject *object, GValue *value)
{
  g_value_take_string (value, value_error_render (TAVREL_MODEL_DATA_VALUE_OBJECT (object)));
}

static constexpr lm::Property value_error_properties[] = {
    lm::value::name_property,
    lm::computed (error_itsvalue_spec, error_get_itsvalue),
    lm::value::data_type_property,
};

static void
tavrel_model_data_value_error_class_init (TavrelModelDataValueErrorClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_value_error_finalize;
  value_klass->to_value = [] (TavrelModelDataValueObject *self, GValue *result) {
    TavrelModelDataValueErrorPrivate *p = error_priv (self);
    g_value_init (result, G_TYPE_ERROR);
    g_value_take_boxed (result, g_error_new_literal (g_quark_from_static_string ("SQL"), p->code, p->message.get ()));
  };
  value_klass->to_string = value_error_render;
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    TavrelModelDataValueErrorPrivate *p = error_priv (self);
    return TAVREL_MODEL_DATA_VALUE_OBJECT (tavrel_model_data_value_error_new (p->code, p->message.get ()));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "error"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_ERROR; };
  lm::install_properties<value_error_properties> (G_OBJECT_CLASS (klass));
}

static TavrelModelDataValueError *
value_error_build (GType object_type, gint32 code, const gchar *message)
{
  auto *self = lm::value::instantiate<TavrelModelDataValueError> (object_type);
  TavrelModelDataValueErrorPrivate *p = lm::priv (self);
  p->code = code;
  p->message.set (message);
  return self;
}

extern "C" TavrelModelDataValueError *
tavrel_model_data_value_error_new (gint32 code, const gchar *message) noexcept
{
  LM_RETURN_VAL_IF_FAIL (message != NULL, NULL);
  return value_error_build (TAVREL_MODEL_DATA_TYPE_VALUE_ERROR, code, message);
}

extern "C" TavrelModelDataValueError *
tavrel_model_data_value_error_construct (GType object_type, gint32 code, const gchar *message) noexcept
{
  LM_RETURN_VAL_IF_FAIL (message != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_ERROR), NULL);
  return value_error_build (object_type, code, message);
}

extern "C" gchar *
tavrel_model_data_value_error_get_itsvalue (TavrelModelDataValueError *self) noexcept
{
  LM_RETURN_VAL_IF_FAIL (self != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_ERROR (self), NULL);
  return value_error_render (TAVREL_MODEL_DATA_VALUE_OBJECT (self));
}
