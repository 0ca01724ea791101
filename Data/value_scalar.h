/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * The value classes whose payload is one plain number: the eight integer
 * widths, booleans, characters and the floating-point kinds.  They differ
 * only in the payload's type, their name and kind, how they render and
 * which GLib type they convert to, so each is stamped from a traits
 * description:
 *
 *   struct Int32 {
 *     using payload = gint32;                      // the private field
 *     static constexpr auto get_type = tavrel_model_data_value_int32_get_type;
 *     static constexpr const char *name = "int32"; // get_name
 *     static constexpr auto kind = TAVREL_MODEL_DATA_DATA_TYPE_INT32;
 *     static constexpr GType value_type = G_TYPE_INT; // to_value
 *     static GParamSpec *itsvalue_pspec ();                // the itsvalue property
 *     static constexpr auto render = lm::scalar::decimal<gint32>; // to_string
 *   };
 *   LM_VALUE_CLASS (Int32, int32, INT32, gint32)
 *   LM_VALUE_SECOND_GETTER (Int32, int32, INT32, gint32, int32)
 *
 * The traits struct bears the class's short name (Int32 for
 * TavrelModelDataValueInt32) and is in scope where the class is stamped.
 *
 * The payload's C++ type also decides the reading interfaces: a whole
 * number reads through IInteger, an unsigned one (bool and guchar count)
 * through IUnsigned as well, a floating-point one through INumeric.
 */

#include <charconv>
#include <type_traits>

#include "Data/value_object.h"
#include "include/libmodel.h"
#include "Support/check.h"
#include "Support/gobject.h"
#include "Support/property.h"

namespace lm::scalar {

template <class Traits>
struct Private {
  typename Traits::payload itsvalue{};
};

template <class Traits>
using instance_t = typename lm::instance_type<Private<Traits>>::type;

template <class Traits>
inline typename Traits::payload
payload_of (gpointer self) noexcept
{
  return lm::field_of<&Private<Traits>::itsvalue> (self);
}

/* ---- renderings and readings ------------------------------------------ */

/* "%d", "%u", "%lld" and "%llu" without printf: the same digits, and no
 * locale or format parsing on the way. */
template <class T>
char *
decimal (T value)
{
  static_assert (std::is_integral_v<T> && !std::is_same_v<T, bool>);
  char text[24];
  char *end = std::to_chars (text, text + sizeof text, value).ptr;
  return g_strndup (text, gsize (end - text));
}

template <class T>
inline gint64
to_integer (T value) noexcept
{
  if constexpr (std::is_unsigned_v<T> && sizeof (T) == sizeof (guint64))
    return value > guint64 (G_MAXINT64) ? G_MAXINT64 : gint64 (value);
  else
    return gint64 (value);
}

/* ---- interfaces --------------------------------------------------------- */

template <class Iface>
inline void
add_interface (GType type, GType iface_type, void (*init) (Iface *))
{
  const GInterfaceInfo info = {reinterpret_cast<GInterfaceInitFunc> (init), nullptr, nullptr};
  g_type_add_interface_static (type, iface_type, &info);
}

template <class Traits>
void
implement_interfaces (GType type)
{
  using T = typename Traits::payload;
  if constexpr (std::is_integral_v<T>) {
    add_interface (type, TAVREL_MODEL_DATA_TYPE_IINTEGER, +[] (TavrelModelDataIIntegerInterface *iface) {
      iface->to_integer = [] (TavrelModelDataIInteger *self) { return to_integer (payload_of<Traits> (self)); };
    });
  }
  /* IInteger is IUnsigned's prerequisite, so it has to come first. */
  if constexpr (std::is_integral_v<T> && std::is_unsigned_v<T>) {
    add_interface (type, TAVREL_MODEL_DATA_TYPE_IUNSIGNED, +[] (TavrelModelDataIUnsignedInterface *iface) {
      iface->to_unsigned = [] (TavrelModelDataIUnsigned *self) { return guint64 (payload_of<Traits> (self)); };
    });
  }
  if constexpr (std::is_floating_point_v<T>) {
    add_interface (type, TAVREL_MODEL_DATA_TYPE_INUMERIC, +[] (TavrelModelDataINumericInterface *iface) {
      iface->to_double = [] (TavrelModelDataINumeric *self) { return gdouble (payload_of<Traits> (self)); };
    });
  }
}

/* ---- the class ---------------------------------------------------------- */

template <class Traits>
inline constexpr Property properties[] = {
    value::name_property,
    field<&Private<Traits>::itsvalue> (Traits::itsvalue_pspec, Notify::EVERY_CALL),
    value::data_type_property,
};

/* The hot path: no property round trip and no notification. */
template <class Traits>
instance_t<Traits> *
build (GType object_type, typename Traits::payload value)
{
  auto *self = value::instantiate<instance_t<Traits>> (object_type);
  lm::priv (self)->itsvalue = value;
  return self;
}

template <class Traits>
void
class_init (GObjectClass *object_class, void (*finalize) (GObject *))
{
  using Value = TavrelModelDataValueObject;
  auto *klass = TAVREL_MODEL_DATA_VALUE_OBJECT_CLASS (object_class);
  /* A payload that needs no destruction spares every unref a call. */
  if constexpr (!std::is_trivially_destructible_v<Private<Traits>>)
    object_class->finalize = finalize;
  klass->to_value = [] (Value *self, GValue *result) {
    g_value_init (result, Traits::value_type);
    number_to_gvalue (result, payload_of<Traits> (self));
  };
  klass->to_string = [] (Value *self) { return Traits::render (payload_of<Traits> (self)); };
  /* The copy is of the class itself, as `new` makes it. */
  klass->clone = [] (Value *self) {
    return reinterpret_cast<Value *> (build<Traits> (Traits::get_type (), payload_of<Traits> (self)));
  };
  klass->get_name = [] (Value *) { return Traits::name; };
  klass->get_data_type = [] (Value *) { return Traits::kind; };
  install_properties<properties<Traits>> (object_class);
}

}  // namespace lm::scalar

/*
 * Stamps the registered type TavrelModelDataValue<Name> from the traits
 * struct Name, deriving from ValueObject, and its exported new, construct,
 * get_itsvalue and set_itsvalue.  ctype is the payload's type at the C boundary (gboolean
 * for a bool payload).  The type macro is pasted, not passed, so the
 * failed-check text names it as written.
 */
#define LM_VALUE_CLASS(Name, name, NAME, ctype)                                                                 \
  using TavrelModelDataValue##Name##Private = lm::scalar::Private<Name>;                                        \
  G_DEFINE_TYPE_WITH_CODE (TavrelModelDataValue##Name, tavrel_model_data_value_##name,                          \
                           TAVREL_MODEL_DATA_TYPE_VALUE_OBJECT,                                                 \
                           G_ADD_PRIVATE (TavrelModelDataValue##Name)                                           \
                           lm::scalar::implement_interfaces<Name> (g_define_type_id);)                         \
  LM_DEFINE_PRIVATE (TavrelModelDataValue##Name, tavrel_model_data_value_##name,                                \
                     TavrelModelDataValue##Name##Private)                                                       \
  static void tavrel_model_data_value_##name##_class_init (TavrelModelDataValue##Name##Class *klass)           \
  {                                                                                                             \
    lm::scalar::class_init<Name> (G_OBJECT_CLASS (klass), tavrel_model_data_value_##name##_finalize);           \
  }                                                                                                             \
  extern "C" TavrelModelDataValue##Name *tavrel_model_data_value_##name##_new (ctype value) noexcept            \
  {                                                                                                             \
    return tavrel_model_data_value_##name##_construct (TAVREL_MODEL_DATA_TYPE_VALUE_##NAME, value);             \
  }                                                                                                             \
  extern "C" TavrelModelDataValue##Name *tavrel_model_data_value_##name##_construct (GType object_type,         \
                                                                                      ctype value) noexcept     \
  {                                                                                                             \
    LM_RETURN_VAL_IF_FAIL (g_type_is_a (object_type, TAVREL_MODEL_DATA_TYPE_VALUE_##NAME), NULL);             \
    return lm::scalar::build<Name> (object_type, value);                                                        \
  }                                                                                                             \
  LM_ACCESSORS_ (tavrel_model_data_value_##name, TavrelModelDataValue##Name, TAVREL_MODEL_DATA_IS_VALUE_##NAME, \
                 itsvalue, ctype, 0)

/* The payload getter under the class's own word: get_int32, get_boolean... */
#define LM_VALUE_SECOND_GETTER(Name, name, NAME, ctype, getter)                                                      \
  LM_GETTER_NAMED_ (tavrel_model_data_value_##name, TavrelModelDataValue##Name, TAVREL_MODEL_DATA_IS_VALUE_##NAME, \
                    getter, itsvalue, ctype, 0)
