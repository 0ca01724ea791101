/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * C++ private state for GObject classes.
 *
 * GObject hands out raw zeroed memory for private data; the class's private
 * struct is constructed there with placement new in instance init and
 * destroyed in finalize.  Its members are RAII holders, so finalize is one
 * line and nothing can be forgotten.
 */

#include <glib-object.h>

#include <new>

namespace lm {

/* OR-ed GLib flags are int in C++; these are cast once, here. */
inline constexpr GParamFlags RW =
    GParamFlags (G_PARAM_READWRITE | G_PARAM_STATIC_STRINGS | G_PARAM_EXPLICIT_NOTIFY);
inline constexpr GParamFlags RO =
    GParamFlags (G_PARAM_READABLE | G_PARAM_STATIC_STRINGS | G_PARAM_EXPLICIT_NOTIFY);
inline constexpr GParamFlags RW_CONSTRUCT = GParamFlags (RW | G_PARAM_CONSTRUCT);

/* Specialised by LM_DEFINE_PRIVATE for each class with private state. */
template <class Instance>
struct private_type;
template <class Priv>
struct instance_type;

template <class Instance>
inline typename private_type<Instance>::type *
priv (Instance *self) noexcept
{
  return private_type<Instance>::get (self);
}

/* An interface's slots on an instance, or null when its class does not
 * implement it: one type lookup both checks the argument and finds the
 * slots (the caller has checked for null). */
template <class Iface>
inline Iface *
peek_iface (gpointer instance, GType iface_type) noexcept
{
  return static_cast<Iface *> (g_type_interface_peek (static_cast<GTypeInstance *> (instance)->g_class, iface_type));
}

}  // namespace lm

/*
 * Follows G_DEFINE_TYPE_WITH_PRIVATE (or G_ADD_PRIVATE): ties the instance
 * type to its private struct and defines instance init and finalize, which
 * class init installs as the class's finalize.
 */
#define LM_DEFINE_PRIVATE(TypeName, type_name, Priv)                                    \
  namespace lm {                                                                        \
  template <>                                                                           \
  struct private_type<TypeName> {                                                       \
    using type = Priv;                                                                  \
    static Priv *get (TypeName *self) noexcept                                          \
    {                                                                                   \
      return static_cast<Priv *> (type_name##_get_instance_private (self));             \
    }                                                                                   \
  };                                                                                    \
  template <>                                                                           \
  struct instance_type<Priv> {                                                          \
    using type = TypeName;                                                              \
  };                                                                                    \
  }                                                                                     \
  static void type_name##_init (TypeName *self) { new (lm::priv (self)) Priv (); }      \
  static void type_name##_finalize (GObject *object)                                    \
  {                                                                                     \
    lm::priv (reinterpret_cast<TypeName *> (object))->~Priv ();                         \
    G_OBJECT_CLASS (type_name##_parent_class)->finalize (object);                       \
  }
