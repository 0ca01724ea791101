/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * Properties described once.
 *
 * A class lists its properties in one static table, in declaration order:
 * each row builds its GParamSpec (name, type, range, default, flags) and says
 * which private field backs it and when a change is announced.  Property ids
 * are the table positions plus one, so the table order is the order in which
 * json-glib and the comparer visit the properties.
 *
 *   static constexpr lm::Property column_properties[] = {
 *     lm::field<&ColumnModelPrivate::name> (
 *         [] { return g_param_spec_string ("name", nullptr, nullptr, nullptr, lm::RW_CONSTRUCT); }),
 *     ...
 *   };
 *   ... class_init:  lm::install_properties<column_properties> (object_class);
 *
 * set_property and the exported setter share lm::assign, which stores the
 * value and notifies by pspec according to the row's rule, so the rule holds
 * whichever way a property is written.  The exported accessor pairs are
 * stamped with LM_ACCESSORS.
 */

#include <glib-object.h>

#include <iterator>
#include <type_traits>

#include "Support/check.h"
#include "Support/gobject.h"
#include "Support/holders.h"

namespace lm {

/* When a setter announces a change. */
enum class Notify : unsigned char {
  ON_CHANGE,   /* only when the stored value differs (strings by text) */
  EVERY_CALL,  /* on every call, also with the value already held */
  SAME_OBJECT, /* not when handed the very object already held */
};

struct Container;

struct Property {
  GParamSpec *(*make_pspec) ();
  void (*get) (GObject *, GValue *);
  void (*set) (GObject *, const GValue *);
  GParamSpec **pspec; /* filled at class init, the target of notifications */
  Notify *rule_slot;
  Notify rule;
  /* Copies the value from one instance to another through the setter's
   * path, without a GValue: what clone does for a field-backed property. */
  void (*copy) (GObject *from, GObject *to) = nullptr;
  /* Orders two instances' values as g_param_values_cmp does (strings by
   * text, null first; numbers by value), without a GValue: what the
   * comparer does for a field-backed property. */
  int (*compare) (GObject *a, GObject *b) = nullptr;
  /* List- and map-valued properties (Support/container.h): what the
   * container holds, and a read of it that makes none. */
  const Container *container = nullptr;
  gpointer (*peek) (GObject *) = nullptr;
};

/* ---- field kinds ------------------------------------------------------- */

template <class F>
void
number_to_gvalue (GValue *value, F x)
{
  switch (G_TYPE_FUNDAMENTAL (G_VALUE_TYPE (value))) {
  case G_TYPE_BOOLEAN: g_value_set_boolean (value, x != F (0)); break;
  case G_TYPE_CHAR: g_value_set_schar (value, gint8 (x)); break;
  case G_TYPE_UCHAR: g_value_set_uchar (value, guchar (x)); break;
  case G_TYPE_INT: g_value_set_int (value, gint (x)); break;
  case G_TYPE_UINT: g_value_set_uint (value, guint (x)); break;
  case G_TYPE_LONG: g_value_set_long (value, glong (x)); break;
  case G_TYPE_ULONG: g_value_set_ulong (value, gulong (x)); break;
  case G_TYPE_INT64: g_value_set_int64 (value, gint64 (x)); break;
  case G_TYPE_UINT64: g_value_set_uint64 (value, guint64 (x)); break;
  case G_TYPE_FLOAT: g_value_set_float (value, gfloat (x)); break;
  case G_TYPE_DOUBLE: g_value_set_double (value, gdouble (x)); break;
  case G_TYPE_ENUM: g_value_set_enum (value, gint (x)); break;
  case G_TYPE_FLAGS: g_value_set_flags (value, guint (x)); break;
  default: g_critical ("property value of type %s is not a number", G_VALUE_TYPE_NAME (value));
  }
}

/* Reads the GValue's own type and converts to the field's: a 16-bit field
 * behind a 32-bit property keeps the low bits. */
template <class F>
F
number_from_gvalue (const GValue *value)
{
  auto as = [] (auto x) { return static_cast<F> (x); };
  switch (G_TYPE_FUNDAMENTAL (G_VALUE_TYPE (value))) {
  case G_TYPE_BOOLEAN: return as (g_value_get_boolean (value));
  case G_TYPE_CHAR: return as (g_value_get_schar (value));
  case G_TYPE_UCHAR: return as (g_value_get_uchar (value));
  case G_TYPE_INT: return as (g_value_get_int (value));
  case G_TYPE_UINT: return as (g_value_get_uint (value));
  case G_TYPE_LONG: return as (g_value_get_long (value));
  case G_TYPE_ULONG: return as (g_value_get_ulong (value));
  case G_TYPE_INT64: return as (g_value_get_int64 (value));
  case G_TYPE_UINT64: return as (g_value_get_uint64 (value));
  case G_TYPE_FLOAT: return as (g_value_get_float (value));
  case G_TYPE_DOUBLE: return as (g_value_get_double (value));
  case G_TYPE_ENUM: return as (g_value_get_enum (value));
  case G_TYPE_FLAGS: return as (g_value_get_flags (value));
  default: g_critical ("property value of type %s is not a number", G_VALUE_TYPE_NAME (value));
  }
  return F ();
}

/* Numbers, booleans, enumerations and flags stored as plain fields. */
template <class F>
struct FieldOps {
  static_assert (std::is_arithmetic_v<F> || std::is_enum_v<F>, "no FieldOps for this field type");
  using arg = F;
  static F read (const F &field) noexcept { return field; }
  static bool store (F &field, F value, Notify rule) noexcept
  {
    if (rule != Notify::EVERY_CALL && field == value)
      return false;
    field = value;
    return true;
  }
  static void to_gvalue (GValue *value, const F &field) { number_to_gvalue (value, field); }
  static F from_gvalue (const GValue *value) { return number_from_gvalue<F> (value); }
};

template <>
struct FieldOps<String> {
  using arg = const char *;
  static const char *read (const String &field) noexcept { return field.get (); }
  static bool store (String &field, const char *value, Notify rule)
  {
    if (rule == Notify::EVERY_CALL) {
      field.set (value);
      return true;
    }
    return field.assign (value);
  }
  static void to_gvalue (GValue *value, const String &field) { g_value_set_string (value, field.get ()); }
  static const char *from_gvalue (const GValue *value) { return g_value_get_string (value); }
};

/* Objects and boxed reference-counted things (GBytes, GDateTime...). */
template <class T, T *(*Ref) (T *), void (*Unref) (T *)>
struct FieldOps<Holder<T, Ref, Unref>> {
  using arg = T *;
  static T *read (const Holder<T, Ref, Unref> &field) noexcept { return field.get (); }
  static bool store (Holder<T, Ref, Unref> &field, T *value, Notify rule)
  {
    if (rule != Notify::EVERY_CALL && field.get () == value)
      return false;
    field.assign (value);
    return true;
  }
  static void to_gvalue (GValue *value, const Holder<T, Ref, Unref> &field)
  {
    if (G_VALUE_HOLDS_OBJECT (value))
      g_value_set_object (value, field.get ());
    else
      g_value_set_boxed (value, field.get ());
  }
  static T *from_gvalue (const GValue *value)
  {
    return static_cast<T *> (G_VALUE_HOLDS_OBJECT (value) ? g_value_get_object (value)
                                                          : g_value_get_boxed (value));
  }
};

/* ---- binding table rows to private fields ------------------------------ */

template <auto Member>
struct member_info;
template <class C, class F, F C::*M>
struct member_info<M> {
  using owner = C;
  using field = F;
};

template <auto Member>
using field_t = typename member_info<Member>::field;
template <auto Member>
using field_arg_t = typename FieldOps<field_t<Member>>::arg;

/* Where class init leaves the pspec and the rule of a field's property. */
template <auto Member>
struct slot {
  static inline GParamSpec *pspec = nullptr;
  static inline Notify rule = Notify::ON_CHANGE;
};

template <auto Member>
inline field_t<Member> &
field_of (gpointer instance) noexcept
{
  using Priv = typename member_info<Member>::owner;
  using Instance = typename instance_type<Priv>::type;
  return priv (static_cast<Instance *> (instance))->*Member;
}

template <class F>
inline auto
read (const F &field) noexcept
{
  return FieldOps<F>::read (field);
}

/* Why value cannot be the value of an object-valued property, as the
 * condition a setter's check failed, or null when it can (null always can).
 * GObject checks the class of what g_object_set hands a property, but the
 * exported setters take a pointer of the C type alone: a caller's cast can
 * hand them anything, and a container of other elements than the ones a
 * list or map property holds crashes whoever walks it later.
 * (Support/container.cpp) */
const char *object_refusal (GParamSpec *pspec, gpointer value);

template <auto Member>
inline const char *
refusal (field_arg_t<Member> value)
{
  using Arg = field_arg_t<Member>;
  if constexpr (std::is_pointer_v<Arg> && !std::is_same_v<Arg, const char *>)
    return value ? object_refusal (slot<Member>::pspec, (gpointer) value) : nullptr;
  else
    return nullptr;
}

/* The one path by which a field-backed property changes. */
template <auto Member>
void
assign (gpointer instance, field_arg_t<Member> value)
{
  using Ops = FieldOps<field_t<Member>>;
  if (Ops::store (field_of<Member> (instance), value, slot<Member>::rule))
    g_object_notify_by_pspec (G_OBJECT (instance), slot<Member>::pspec);
}

/* assign, after the check of an object-valued value that both roads in
 * from a caller share, the setter and set_property.  A refusal is a
 * critical under the setter's name, or "Class:property" where the value
 * came through the property (where is null). */
template <auto Member>
void
assign_checked (gpointer instance, field_arg_t<Member> value, const char *where)
{
  if (const char *refused = refusal<Member> (value)) {
    GParamSpec *pspec = slot<Member>::pspec;
    g_autofree gchar *property =
        where ? nullptr : g_strdup_printf ("%s:%s", g_type_name (pspec->owner_type), pspec->name);
    g_return_if_fail_warning (G_LOG_DOMAIN, where ? where : property, refused);
    return;
  }
  assign<Member> (instance, value);
}

template <auto Member>
void
get_field (GObject *object, GValue *value)
{
  FieldOps<field_t<Member>>::to_gvalue (value, field_of<Member> (object));
}

template <auto Member>
void
set_field (GObject *object, const GValue *value)
{
  /* GObject has checked the class; what a list or map holds it cannot. */
  assign_checked<Member> (object, FieldOps<field_t<Member>>::from_gvalue (value), nullptr);
}

template <auto Member>
void
copy_field (GObject *from, GObject *to)
{
  assign<Member> (to, read (field_of<Member> (from)));
}

template <auto Member>
int
compare_field (GObject *a, GObject *b)
{
  auto x = read (field_of<Member> (a));
  auto y = read (field_of<Member> (b));
  if constexpr (std::is_same_v<decltype (x), const char *>) {
    int order = g_strcmp0 (x, y);
    return order < 0 ? -1 : order > 0;
  } else {
    return x < y ? -1 : y < x;
  }
}

/* A property backed by a private field. */
template <auto Member>
constexpr Property
field (GParamSpec *(*make_pspec) (), Notify rule = Notify::ON_CHANGE)
{
  return {make_pspec,          &get_field<Member>, &set_field<Member>,  &slot<Member>::pspec,
          &slot<Member>::rule, rule,               &copy_field<Member>, &compare_field<Member>};
}

/* A property whose reading (and writing) is code of the class's own; pspec
 * receives the pspec when the class notifies it itself. */
constexpr Property
computed (GParamSpec *(*make_pspec) (), void (*get) (GObject *, GValue *),
          void (*set) (GObject *, const GValue *) = nullptr, GParamSpec **pspec = nullptr)
{
  return {make_pspec, get, set, pspec, nullptr, Notify::ON_CHANGE};
}

template <const auto &Table>
void
property_get (GObject *object, guint id, GValue *value, GParamSpec *pspec)
{
  if (id >= 1 && id <= std::size (Table) && Table[id - 1].get)
    Table[id - 1].get (object, value);
  else
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, id, pspec);
}

template <const auto &Table>
void
property_set (GObject *object, guint id, const GValue *value, GParamSpec *pspec)
{
  if (id >= 1 && id <= std::size (Table) && Table[id - 1].set)
    Table[id - 1].set (object, value);
  else
    G_OBJECT_WARN_INVALID_PROPERTY_ID (object, id, pspec);
}

inline GQuark
row_quark ()
{
  static const GQuark quark = g_quark_from_static_string ("lm-property-row");
  return quark;
}

/* The table row a property was installed from, or null for a property of
 * some other class (a client's subclass, say). */
inline const Property *
row_of (GParamSpec *pspec)
{
  return static_cast<const Property *> (g_param_spec_get_qdata (pspec, row_quark ()));
}

/* Installs the table's properties with ids in table order and routes the
 * class's get_property and set_property through it.  Each pspec remembers
 * its row, so that code walking a class's properties reaches the row. */
template <const auto &Table>
void
install_properties (GObjectClass *klass)
{
  klass->get_property = property_get<Table>;
  klass->set_property = property_set<Table>;
  guint id = 1;
  for (const Property &row : Table) {
    GParamSpec *pspec = row.make_pspec ();
    if (row.pspec)
      *row.pspec = pspec;
    if (row.rule_slot)
      *row.rule_slot = row.rule;
    g_param_spec_set_qdata (pspec, row_quark (), const_cast<Property *> (&row));
    g_object_class_install_property (klass, id++, pspec);
  }
}

}  // namespace lm

/*
 * Exported accessor pairs for field-backed properties.  SELF is a per-file
 * macro naming the class: function prefix, instance type and type check, e.g.
 *   #define SELF tavrel_model_data_column_model, TavrelModelDataColumnModel, \
 *                TAVREL_MODEL_DATA_IS_COLUMN_MODEL
 *   LM_ACCESSORS (SELF, name, const gchar *, NULL)
 * defines tavrel_model_data_column_model_get_name and _set_name.
 */
#define LM_GETTER(...) LM_GETTER_ (__VA_ARGS__)
#define LM_SETTER(...) LM_SETTER_ (__VA_ARGS__)
#define LM_ACCESSORS(...) LM_ACCESSORS_ (__VA_ARGS__)

#define LM_GETTER_(prefix, Type, IS, field, ctype, neutral)            \
  extern "C" ctype prefix##_get_##field (Type *self) noexcept          \
  {                                                                    \
    LM_RETURN_VAL_IF_FAIL (self != NULL, neutral);                     \
    LM_RETURN_VAL_IF_FAIL (IS (self), neutral);                        \
    return lm::read (lm::priv (self)->field);                          \
  }

#define LM_SETTER_(prefix, Type, IS, field, ctype)                     \
  extern "C" void prefix##_set_##field (Type *self, ctype value) noexcept \
  {                                                                    \
    LM_RETURN_IF_FAIL (self != NULL);                                  \
    LM_RETURN_IF_FAIL (IS (self));                                     \
    lm::assign_checked<&lm::private_type<Type>::type::field> (self, value, __func__); \
  }

/* A second getter of a field under another exported name, e.g.
 *   LM_GETTER_NAMED (SELF, int32, itsvalue, gint32, 0)
 * defines tavrel_model_data_value_int32_get_int32 reading itsvalue. */
#define LM_GETTER_NAMED(...) LM_GETTER_NAMED_ (__VA_ARGS__)
#define LM_GETTER_NAMED_(prefix, Type, IS, name, field, ctype, neutral) \
  extern "C" ctype prefix##_get_##name (Type *self) noexcept          \
  {                                                                   \
    LM_RETURN_VAL_IF_FAIL (self != NULL, neutral);                    \
    LM_RETURN_VAL_IF_FAIL (IS (self), neutral);                       \
    return lm::read (lm::priv (self)->field);                         \
  }

/* An accessor pair whose exported name differs from its field's, for a
 * property named by a C++ keyword ("class"). */
#define LM_ACCESSORS_NAMED(...) LM_ACCESSORS_NAMED_ (__VA_ARGS__)
#define LM_ACCESSORS_NAMED_(prefix, Type, IS, name, field, ctype, neutral)    \
  LM_GETTER_NAMED_ (prefix, Type, IS, name, field, ctype, neutral)            \
  extern "C" void prefix##_set_##name (Type *self, ctype value) noexcept     \
  {                                                                          \
    LM_RETURN_IF_FAIL (self != NULL);                                        \
    LM_RETURN_IF_FAIL (IS (self));                                           \
    lm::assign_checked<&lm::private_type<Type>::type::field> (self, value, __func__); \
  }

#define LM_ACCESSORS_(prefix, Type, IS, field, ctype, neutral) \
  LM_GETTER_ (prefix, Type, IS, field, ctype, neutral)         \
  LM_SETTER_ (prefix, Type, IS, field, ctype)
