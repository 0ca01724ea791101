/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * An index of a table: the object it belongs to, its dialect clauses as
 * texts, four flags, the key block size and the indexed columns in key
 * order.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaIndexPrivate {
  lm::String entity {""};
  lm::String klass {""}; /* the "class" property */
  lm::String method {""};
  lm::String parser {""};
  lm::String algorithm {""};
  lm::String lock {""};
  lm::String where {""};
  lm::String table_space {""};
  lm::String with {""};
  lm::String include {""};
  lm::String kind {""};
  bool is_concurrent = false;
  bool is_only = false;
  bool is_visible = false;
  bool is_clustered = false;
  guint64 key_block_size = 0;
  lm::StringList columns;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaIndex, tavrel_model_meta_meta_index, TAVREL_MODEL_META_TYPE_META_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaIndex, tavrel_model_meta_meta_index, TavrelModelMetaMetaIndexPrivate)

using P = TavrelModelMetaMetaIndexPrivate;

static constexpr lm::Property index_properties[] = {
    LM_META_STRING (entity, "entity"),
    LM_META_STRING (klass, "class"),
    LM_META_STRING (method, "method"),
    LM_META_STRING (parser, "parser"),
    LM_META_STRING (algorithm, "algorithm"),
    LM_META_STRING (lock, "lock"),
    LM_META_STRING (where, "where"),
    LM_META_STRING (table_space, "table-space"),
    LM_META_STRING (with, "with"),
    LM_META_STRING (include, "include"),
    LM_META_STRING (kind, "kind"),
    LM_META_BOOLEAN (is_concurrent, "is-concurrent", FALSE),
    LM_META_BOOLEAN (is_only, "is-only", FALSE),
    LM_META_BOOLEAN (is_visible, "is-visible", FALSE),
    LM_META_BOOLEAN (is_clustered, "is-clustered", FALSE),
    LM_META_UINT64 (key_block_size, "key-block-size"),
    LM_META_LIST (columns, "columns", lm::strings),
};

static void
tavrel_model_meta_meta_index_class_init (TavrelModelMetaMetaIndexClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_index_finalize;
  LM_META_CHARACTER (klass, INDEX);
  lm::install_properties<index_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_index, TavrelModelMetaMetaIndex, TAVREL_MODEL_META_TYPE_META_INDEX)

#define CHECK_NAMES()                                \
  LM_RETURN_VAL_IF_FAIL (database != NULL, NULL);    \
  LM_RETURN_VAL_IF_FAIL (schema != NULL, NULL);      \
  LM_RETURN_VAL_IF_FAIL (entity != NULL, NULL);      \
  LM_RETURN_VAL_IF_FAIL (name != NULL, NULL)

extern "C" TavrelModelMetaMetaIndex *
tavrel_model_meta_meta_index_new_with_names (const gchar *database, const gchar *schema, const gchar *entity,
                                             const gchar *name) noexcept
{
  CHECK_NAMES ();
  return tavrel_model_meta_meta_index_construct_with_names (TAVREL_MODEL_META_TYPE_META_INDEX, database, schema,
                                                            entity, name);
}

extern "C" TavrelModelMetaMetaIndex *
tavrel_model_meta_meta_index_construct_with_names (GType object_type, const gchar *database, const gchar *schema,
                                                   const gchar *entity, const gchar *name) noexcept
{
  CHECK_NAMES ();
  LM_META_CHECK_TYPE (TAVREL_MODEL_META_TYPE_META_INDEX);
  auto *self = lm::meta::instantiate<TavrelModelMetaMetaIndex> (object_type);
  lm::meta::set_names (self, database, schema, name);
  lm::assign<&P::entity> (self, entity);
  return self;
}

#undef CHECK_NAMES

/* Appends to the live list, whichever list the index holds now. */
extern "C" void
tavrel_model_meta_meta_index_append (TavrelModelMetaMetaIndex *self, const gchar *column) noexcept
{
  LM_RETURN_IF_FAIL (self != NULL);
  LM_RETURN_IF_FAIL (TAVREL_MODEL_META_IS_META_INDEX (self));
  LM_RETURN_IF_FAIL (column != NULL);
  if (GeeArrayList *columns = lm::priv (self)->columns.get ())
    lm::append (columns, const_cast<gchar *> (column));
}

#define SELF tavrel_model_meta_meta_index, TavrelModelMetaMetaIndex, TAVREL_MODEL_META_IS_META_INDEX
LM_ACCESSORS (SELF, entity, const gchar *, NULL)
LM_ACCESSORS_NAMED (SELF, class, klass, const gchar *, NULL)
LM_ACCESSORS (SELF, method, const gchar *, NULL)
LM_ACCESSORS (SELF, parser, const gchar *, NULL)
LM_ACCESSORS (SELF, algorithm, const gchar *, NULL)
LM_ACCESSORS (SELF, lock, const gchar *, NULL)
LM_ACCESSORS (SELF, where, const gchar *, NULL)
LM_ACCESSORS (SELF, table_space, const gchar *, NULL)
LM_ACCESSORS (SELF, with, const gchar *, NULL)
LM_ACCESSORS (SELF, include, const gchar *, NULL)
LM_ACCESSORS (SELF, kind, const gchar *, NULL)
LM_ACCESSORS (SELF, is_concurrent, gboolean, FALSE)
LM_ACCESSORS (SELF, is_only, gboolean, FALSE)
LM_ACCESSORS (SELF, is_visible, gboolean, FALSE)
LM_ACCESSORS (SELF, is_clustered, gboolean, FALSE)
LM_ACCESSORS (SELF, key_block_size, guint64, 0)
LM_ACCESSORS (SELF, columns, GeeArrayList *, NULL)
#undef SELF
