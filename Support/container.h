/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * List- and map-valued properties.
 *
 * A catalogue of tens of thousands of columns is ordinary, and every
 * catalogue object carries maps that most objects never fill; a libgee map
 * costs about ten times a bare object to make.  So a container property
 * holds its container made on first use: the first reader (the getter, the
 * property, JSON, the comparer) makes it, and from then on it is the
 * storage.  No caller can tell it from one made at construction, because
 * nothing can reach the container before it exists.
 *
 * A row of a property table made with lm::container says what the container
 * holds, so that the generic operations of the catalogue (clone, reset and
 * the JSON hooks) treat every list and map the same way:
 *
 *   lm::container<&P::columns> (
 *       [] { return g_param_spec_object ("columns", ..., GEE_TYPE_ARRAY_LIST, lm::RW); },
 *       lm::Notify::EVERY_CALL, lm::objects_of<column_get_type, lm::RESET>)
 */

#include <gee.h>
#include <gio/gio.h>

#include "Support/gee.h"
#include "Support/property.h"

namespace lm {

/* A string-to-string map of copies, as the catalogue's attribute, relation
 * and privilege maps are. */
inline GeeHashMap *
string_map ()
{
  return gee_hash_map_new (G_TYPE_STRING, (GBoxedCopyFunc) g_strdup, g_free, G_TYPE_STRING,
                           (GBoxedCopyFunc) g_strdup, g_free, nullptr, nullptr, nullptr, nullptr, nullptr,
                           nullptr, nullptr, nullptr, nullptr);
}

template <GType (*ElementType) ()>
GeeArrayList *
make_object_list ()
{
  return object_list (ElementType ());
}

/* A container made on first use.  Null after a caller set null: "made" is
 * kept apart from the pointer for that reason. */
template <class T, T *(*Make) ()>
class Lazy {
 public:
  Lazy () noexcept = default;
  Lazy (const Lazy &) = delete;
  Lazy &operator= (const Lazy &) = delete;
  ~Lazy ()
  {
    if (ptr_)
      g_object_unref (ptr_);
  }

  /* The live container, made now if it was never made (null only when a
   * caller set null). */
  T *get () const
  {
    if (!made_) {
      ptr_ = Make ();
      made_ = true;
    }
    return ptr_;
  }

  /* The container if it exists; null when it was never made. */
  T *peek () const noexcept { return ptr_; }
  bool made () const noexcept { return made_; }

  /* Keeps a new reference to value (which may be null). */
  void assign (T *value)
  {
    if (value)
      g_object_ref (value);
    T *old = ptr_;
    ptr_ = value;
    made_ = true;
    if (old)
      g_object_unref (old);
  }

 private:
  mutable T *ptr_ = nullptr;
  mutable bool made_ = false;
};

template <GType (*ElementType) ()>
using ObjectList = Lazy<GeeArrayList, make_object_list<ElementType>>;
using StringList = Lazy<GeeArrayList, string_list>;
using StringMap = Lazy<GeeHashMap, string_map>;

template <class T, T *(*Make) ()>
struct FieldOps<Lazy<T, Make>> {
  using arg = T *;
  static T *read (const Lazy<T, Make> &field) { return field.get (); }
  static bool store (Lazy<T, Make> &field, T *value, Notify rule)
  {
    /* A container never made is one no caller holds, so any value differs
     * from it. */
    if (rule != Notify::EVERY_CALL && field.made () && field.peek () == value)
      return false;
    field.assign (value);
    return true;
  }
  static void to_gvalue (GValue *value, const Lazy<T, Make> &field) { g_value_set_object (value, field.get ()); }
  static T *from_gvalue (const GValue *value) { return static_cast<T *> (g_value_get_object (value)); }
};

/* ---- what a container row holds ---------------------------------------- */

enum class Holds : unsigned char {
  OBJECTS,    /* a list of catalogue objects */
  STRINGS,    /* a list of strings */
  STRING_MAP, /* a map of strings to strings */
  MODEL,      /* a list model that shows other objects: shared, never written */
};

/* Whether reset empties the container. */
enum Reset : bool { KEEP = false, RESET = true };

struct Container {
  Holds holds;
  /* OBJECTS: the element class of the list made on first use, and the class
   * JSON elements are read as (or the base they must derive from). */
  GType (*element_type) ();
  /* OBJECTS: JSON elements carry their registered type name in "class". */
  bool classed;
  Reset reset;
};

template <GType (*ElementType) (), Reset R = KEEP>
inline constexpr Container objects_of = {Holds::OBJECTS, ElementType, false, R};
template <GType (*BaseType) (), Reset R = KEEP>
inline constexpr Container classed_objects_of = {Holds::OBJECTS, BaseType, true, R};
inline constexpr Container strings = {Holds::STRINGS, nullptr, false, KEEP};
inline constexpr Container string_pairs = {Holds::STRING_MAP, nullptr, false, KEEP};
inline constexpr Container model = {Holds::MODEL, nullptr, false, KEEP};

/* The container of a field, never making one: null when it was never made
 * or was set to null. */
template <class F>
inline gpointer
peek_field (const F &field) noexcept
{
  if constexpr (requires { field.peek (); })
    return field.peek ();
  else
    return field.get ();
}

template <auto Member>
gpointer
peek_member (GObject *object)
{
  return peek_field (field_of<Member> (object));
}

/* A list- or map-valued property backed by a private field. */
template <auto Member>
constexpr Property
container (GParamSpec *(*make_pspec) (), Notify rule, const Container &holds)
{
  Property row = field<Member> (make_pspec, rule);
  row.container = &holds;
  row.peek = &peek_member<Member>;
  return row;
}

}  // namespace lm
