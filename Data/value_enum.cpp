/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * Values of a database's enumeration, flag and set types, held as the text
 * the server sent.  Each also keeps the member texts its type admits, which
 * the caller appends after construction.  The value text is not checked
 * against them: the server that sent it already did.
 */

#include "Data/value_object.h"

#include <vector>

#include "Support/check.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"

/* ---- ValueEnum ----------------------------------------------------------- */

struct TavrelModelDataValueEnumPrivate {
  lm::String itsvalue;
  std::vector<lm::String> members;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelDataValueEnum, tavrel_model_data_value_enum, TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelDataValueEnum, tavrel_model_data_value_enum, TavrelModelDataValueEnumPrivate)

using EnumPriv = TavrelModelDataValueEnumPrivate;

/* Class operations run on instances of the class or a subclass only. */
static inline EnumPriv *
enum_priv (gpointer self)
{
  return lm::priv (static_cast<TavrelModelDataValueEnum *> (self));
}

static inline const char *
text_of (gpointer self)
{
  return enum_priv (self)->itsvalue.get ();
}

static TavrelModelDataValueObject *
as_value (gpointer value)
{
  return static_cast<TavrelModelDataValueObject *> (value);
}

template <class T>
static T *
enum_build (GType object_type, const char *text)
{
  T *self = lm::value::instantiate<T> (object_type);
  enum_priv (self)->itsvalue.set (text);
  return self;
}

static void
enum_real_initialize (TavrelModelDataValueEnum *self, const gchar *const *values, gint count)
{
  if (count < 1)
    return;
  std::vector<lm::String> &members = enum_priv (self)->members;
  members.reserve (members.size () + gsize (count));
  for (gint i = 0; i < count; i++)
    members.emplace_back (values[i]);
}

static constexpr lm::Property value_enum_properties[] = {
    lm::value::name_property,
    lm::field<&EnumPriv::itsvalue> (
        [] { return g_param_spec_string ("itsvalue", nullptr, nullptr, nullptr, lm::RW); }, lm::Notify::EVERY_CALL),
    lm::value::data_type_property,
};

static void
tavrel_model_data_value_enum_class_init (TavrelModelDataValueEnumClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_data_value_enum_finalize;
  value_klass->to_value = [] (TavrelModelDataValueObject *self, GValue *result) {
    g_value_init (result, G_TYPE_STRING);
    g_value_set_string (result, text_of (self));
  };
  /* A value of an enumerated type always names a member; one whose text
   * was cleared is a caller's mistake worth hearing about. */
  value_klass->to_string = [] (TavrelModelDataValueObject *self) -> gchar * {
    const char *text = text_of (self);
    if (!text) {
      lm::fail ("tavrel_model_data_value_object_to_string", "itsvalue != NULL");
      return nullptr;
    }
    return g_strdup (text);
  };
  /* The copy goes through the constructor, which refuses a cleared text;
   * the member list stays with the original. */
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    return as_value (tavrel_model_data_value_enum_new (text_of (self)));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "enum"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_ENUM; };
  klass->initialize = enum_real_initialize;
  lm::install_properties<value_enum_properties> (G_OBJECT_CLASS (klass));
}

extern "C" TavrelModelDataValueEnum *
tavrel_model_data_value_enum_new (const gchar *enum_value) noexcept
{
  LM_RETURN_VAL_IF_FAIL (enum_value != NULL, NULL);
  return tavrel_model_data_value_enum_construct (TAVREL_MODEL_DATA_TYPE_VALUE_ENUM, enum_value);
}

extern "C" TavrelModelDataValueEnum *
tavrel_model_data_value_enum_construct (GType object_type, const gchar *enum_value) noexcept
{
  LM_RETURN_VAL_IF_FAIL (enum_value != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_ENUM), NULL);
  return enum_build<TavrelModelDataValueEnum> (object_type, enum_value);
}

/* Every string the count covers is checked before any is taken, so a
 * short array is refused whole rather than half appended. */
extern "C" void
tavrel_model_data_value_enum_initialize (TavrelModelDataValueEnum *self, const gchar *const *values,
                                         gint count) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (values != NULL || count < 1);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_DATA_IS_VALUE_ENUM (self));
  for (gint i = 0; i < count; i++)
    LM_RETURN_IF_FAIL (values[i] != NULL);
  TavrelModelDataValueEnumClass *klass = TAVREL_MODEL_DATA_VALUE_ENUM_GET_CLASS (self);
  if (klass->initialize)
    klass->initialize (self, values, count);
}

#define SELF tavrel_model_data_value_enum, TavrelModelDataValueEnum, TAVREL_MODEL_DATA_IS_VALUE_ENUM
LM_ACCESSORS (SELF, itsvalue, const gchar *, NULL)
#undef SELF

/* ---- ValueFlags ---------------------------------------------------------- */

G_DEFINE_TYPE (TavrelModelDataValueFlags, tavrel_model_data_value_flags, TAVREL_MODEL_DATA_TYPE_VALUE_ENUM)

static constexpr lm::Property value_flags_properties[] = {
    lm::value::name_property,
    lm::value::data_type_property,
};

static void
tavrel_model_data_value_flags_class_init (TavrelModelDataValueFlagsClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    return as_value (tavrel_model_data_value_flags_new (text_of (self)));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "flags"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_FLAGS; };
  lm::install_properties<value_flags_properties> (G_OBJECT_CLASS (klass));
}

static void
tavrel_model_data_value_flags_init (TavrelModelDataValueFlags *)
{
}

extern "C" TavrelModelDataValueFlags *
tavrel_model_data_value_flags_new (const gchar *flag_value) noexcept
{
  LM_RETURN_VAL_IF_FAIL (flag_value != NULL, NULL);
  return tavrel_model_data_value_flags_construct (TAVREL_MODEL_DATA_TYPE_VALUE_FLAGS, flag_value);
}

extern "C" TavrelModelDataValueFlags *
tavrel_model_data_value_flags_construct (GType object_type, const gchar *flag_value) noexcept
{
  LM_RETURN_VAL_IF_FAIL (flag_value != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_FLAGS), NULL);
  return enum_build<TavrelModelDataValueFlags> (object_type, flag_value);
}

/* ---- ValueSet ------------------------------------------------------------ */

G_DEFINE_TYPE (TavrelModelDataValueSet, tavrel_model_data_value_set, TAVREL_MODEL_DATA_TYPE_VALUE_ENUM)

static constexpr lm::Property value_set_properties[] = {
    lm::value::name_property,
    lm::value::data_type_property,
};

static void
tavrel_model_data_value_set_class_init (TavrelModelDataValueSetClass *klass)
{
  TavrelModelDataValueObjectClass *value_klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (klass);
  value_klass->clone = [] (TavrelModelDataValueObject *self) {
    return as_value (tavrel_model_data_value_set_new (text_of (self)));
  };
  value_klass->get_name = [] (TavrelModelDataValueObject *) -> const gchar * { return "set"; };
  value_klass->get_data_type = [] (TavrelModelDataValueObject *) { return TAVREL_MODEL_DATA_DATA_TYPE_SET; };
  lm::install_properties<value_set_properties> (G_OBJECT_CLASS (klass));
}

static void
tavrel_model_data_value_set_init (TavrelModelDataValueSet *)
{
}

extern "C" TavrelModelDataValueSet *
tavrel_model_data_value_set_new (const gchar *set_value) noexcept
{
  LM_RETURN_VAL_IF_FAIL (set_value != NULL, NULL);
  return tavrel_model_data_value_set_construct (TAVREL_MODEL_DATA_TYPE_VALUE_SET, set_value);
}

extern "C" TavrelModelDataValueSet *
tavrel_model_data_value_set_construct (GType object_type, const gchar *set_value) noexcept
{
  LM_RETURN_VAL_IF_FAIL (set_value != NULL, NULL);
  LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_SET), NULL);
  return enum_build<TavrelModelDataValueSet> (object_type, set_value);
}
