/* SPDX-License-Identifier: LGPL-2.1-or-later */
#pragma once

/*
 * What every catalogue class shares beyond the public header.
 *
 * A catalogue class is a property holder: its file has its private state,
 * one property table made of the rows below, its kind (the character
 * operation), its constructors and its stamped accessors.  Clone, reset and
 * the JSON form are MetaObject's, driven by the property rows: a container
 * row says what its list or map holds, whether reset empties it and how it
 * is written, so no class repeats those walks.
 */

#include <vector>

#include "include/libmodel.h"
#include "Support/check.h"
#include "Support/container.h"
#include "Support/gobject.h"
#include "Support/holders.h"
#include "Support/property.h"

namespace lm::meta {

/* Registers every catalogue class.  A document names classes by their
 * registered type names, and a fresh process has registered only the types
 * it has used; reading runs this before it looks a name up. */
void register_types ();

/* The get_type functions of the 26 catalogue classes, base class first. */
const std::vector<GType (*) ()> &catalogue_classes ();

/* The parts of a qualified name: the nick of the object's kind, and its
 * database, schema and name, each "" where a caller set null (a part left
 * empty stays empty). */
struct NameParts {
  const gchar *kind;
  const gchar *database;
  const gchar *schema;
  const gchar *name;
};
NameParts name_parts (TavrelModelMetaMetaObject *self);

/* What the walks over a class's properties visit, worked out once per
 * class. */
struct Plan {
  /* Every property, in class order (base classes first). */
  std::vector<GParamSpec *> all;
  /* Readable and writable properties, in class order: what clone copies. */
  std::vector<GParamSpec *> copied;
  /* Rows of the containers that reset empties. */
  std::vector<const Property *> emptied;
};
const Plan &plan_of (gpointer object);

/* The attributes map if the object has one, never making one. */
GeeHashMap *peek_attributes (TavrelModelMetaMetaObject *self);

/* The number of entries of the diff map; never makes the map. */
gint diff_size (TavrelModelMetaMetaObject *self);

/* A new copy of a slice entry, or null; never makes the slice map. */
gchar *dup_slice (TavrelModelMetaMetaObject *self, const gchar *key);

/* Sets name, then schema, then database, each through its setter, as the
 * named constructors do. */
void set_names (gpointer self, const gchar *database, const gchar *schema, const gchar *name);

template <class T>
inline T *
instantiate (GType type)
{
  return static_cast<T *> (g_object_new (type, nullptr));
}

}  // namespace lm::meta

/*
 * Property rows.  A file defines `using P = <its private struct>;` first.
 * Declared defaults are null, false and 0 (what json-glib leaves out); the
 * values a new object holds are the private struct's.
 */
#define LM_META_STRING(member, name) \
  lm::field<&P::member> ([] { return g_param_spec_string (name, nullptr, nullptr, nullptr, lm::RW); })
#define LM_META_BOOLEAN(member, name, dflt) \
  lm::field<&P::member> ([] { return g_param_spec_boolean (name, nullptr, nullptr, dflt, lm::RW); })
#define LM_META_UINT8(member, name)                                                                              \
  lm::field<&P::member> (                                                                                        \
      [] { return g_param_spec_uchar (name, nullptr, nullptr, 0, G_MAXUINT8, 0, lm::RW); })
#define LM_META_UINT64(member, name) \
  lm::field<&P::member> ([] { return g_param_spec_uint64 (name, nullptr, nullptr, 0, G_MAXUINT64, 0, lm::RW); })
#define LM_META_INT64(member, name) \
  lm::field<&P::member> ([] { return g_param_spec_int64 (name, nullptr, nullptr, G_MININT64, G_MAXINT64, 0, lm::RW); })

/* Lists and maps: their setters keep the very container they are given and
 * notify on every call. */
#define LM_META_LIST(member, name, holds)                                                                   \
  lm::container<&P::member> (                                                                               \
      [] { return g_param_spec_object (name, nullptr, nullptr, GEE_TYPE_ARRAY_LIST, lm::RW); },            \
      lm::Notify::EVERY_CALL, holds)
#define LM_META_MAP(member, name)                                                                           \
  lm::container<&P::member> (                                                                               \
      [] { return g_param_spec_object (name, nullptr, nullptr, GEE_TYPE_HASH_MAP, lm::RW); },              \
      lm::Notify::EVERY_CALL, lm::string_pairs)

/*
 * Constructors.  construct checks the type it is given; the named forms
 * check their names in argument order, each under the name of the function
 * the caller called, then set name, schema and database.
 */
/* Stringizes its argument as written, so it must be called with the type
 * macro itself: the stamps below, which receive the type through a
 * parameter, write the text out in their own bodies. */
#define LM_META_CHECK_TYPE(TYPE) \
  LM_RETURN_VAL_IF_FAIL_TEXT (g_type_is_a (object_type, TYPE), "g_type_is_a (object_type, " #TYPE ")", NULL)

#define LM_META_CHECK_NAMES()                        \
  LM_RETURN_VAL_IF_FAIL (database != NULL, NULL);    \
  LM_RETURN_VAL_IF_FAIL (schema != NULL, NULL);      \
  LM_RETURN_VAL_IF_FAIL (name != NULL, NULL)

#define LM_META_CONSTRUCTORS(prefix, Type, TYPE)                                                     \
  extern "C" Type *prefix##_new (void) noexcept                                                      \
  {                                                                                                  \
    return prefix##_construct (TYPE);                                                                \
  }                                                                                                  \
  extern "C" Type *prefix##_construct (GType object_type) noexcept                                   \
  {                                                                                                  \
    LM_RETURN_VAL_IF_FAIL_TEXT (g_type_is_a (object_type, TYPE), "g_type_is_a (object_type, " #TYPE ")", \
                                NULL);                                                               \
    return lm::meta::instantiate<Type> (object_type);                                                \
  }

#define LM_META_NAMED_CONSTRUCTORS(prefix, Type, TYPE)                                                    \
  extern "C" Type *prefix##_new_with_names (const gchar *database, const gchar *schema,                  \
                                            const gchar *name) noexcept                                  \
  {                                                                                                       \
    LM_META_CHECK_NAMES ();                                                                               \
    return prefix##_construct_with_names (TYPE, database, schema, name);                                 \
  }                                                                                                       \
  extern "C" Type *prefix##_construct_with_names (GType object_type, const gchar *database,              \
                                                  const gchar *schema, const gchar *name) noexcept       \
  {                                                                                                       \
    LM_META_CHECK_NAMES ();                                                                               \
    LM_RETURN_VAL_IF_FAIL_TEXT (g_type_is_a (object_type, TYPE), "g_type_is_a (object_type, " #TYPE ")",  \
                                NULL);                                                                    \
    auto *self = lm::meta::instantiate<Type> (object_type);                                               \
    lm::meta::set_names (self, database, schema, name);                                                   \
    return self;                                                                                          \
  }

/* Named constructors that take one more text after the names (a check's
 * condition, a trigger's body), stored in the class's own field:
 *   LM_META_NAMED_CONSTRUCTORS_WITH (prefix, Type, TYPE, with_body, body, body) */
#define LM_META_NAMED_CONSTRUCTORS_WITH(prefix, Type, TYPE, suffix, extra, field)                        \
  extern "C" Type *prefix##_new_##suffix (const gchar *database, const gchar *schema, const gchar *name,  \
                                          const gchar *extra) noexcept                                    \
  {                                                                                                        \
    LM_META_CHECK_NAMES ();                                                                                \
    LM_RETURN_VAL_IF_FAIL (extra != NULL, NULL);                                                           \
    return prefix##_construct_##suffix (TYPE, database, schema, name, extra);                             \
  }                                                                                                        \
  extern "C" Type *prefix##_construct_##suffix (GType object_type, const gchar *database,                 \
                                                const gchar *schema, const gchar *name,                   \
                                                const gchar *extra) noexcept                              \
  {                                                                                                        \
    LM_META_CHECK_NAMES ();                                                                                \
    LM_RETURN_VAL_IF_FAIL (extra != NULL, NULL);                                                           \
    LM_RETURN_VAL_IF_FAIL_TEXT (g_type_is_a (object_type, TYPE), "g_type_is_a (object_type, " #TYPE ")",   \
                                NULL);                                                                     \
    auto *self = lm::meta::instantiate<Type> (object_type);                                                \
    lm::assign<&P::field> (self, extra);                                                                   \
    lm::meta::set_names (self, database, schema, name);                                                    \
    return self;                                                                                           \
  }

/* The kind a class reports, for class init:
 *   LM_META_CHARACTER (klass, COLUMN); */
#define LM_META_CHARACTER(klass, KIND)                                                          \
  (TAVREL_MODEL_META_META_OBJECT_CLASS (klass)->character =                                     \
       [] (TavrelModelMetaMetaObject *) { return TAVREL_MODEL_META_DB_OBJECT_##KIND; })
