/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A unique key, its columns kept as one dialect text.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaUniquePrivate {
  lm::String columns {""};
  lm::String conflict {""};
  bool is_primary_key = false;
  lm::String table_space {""};
  lm::String with {""};
  lm::String include {""};
  lm::String deferrable {""};
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaUnique, tavrel_model_meta_meta_unique, TAVREL_MODEL_META_TYPE_META_CONSTRAINT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaUnique, tavrel_model_meta_meta_unique, TavrelModelMetaMetaUniquePrivate)

using P = TavrelModelMetaMetaUniquePrivate;

static constexpr lm::Property unique_properties[] = {
    LM_META_STRING (columns, "columns"),
    LM_META_STRING (conflict, "conflict"),
    LM_META_BOOLEAN (is_primary_key, "is-primary-key", FALSE),
    LM_META_STRING (table_space, "table-space"),
    LM_META_STRING (with, "with"),
    LM_META_STRING (include, "include"),
    LM_META_STRING (deferrable, "deferrable"),
};

static void
tavrel_model_meta_meta_unique_class_init (TavrelModelMetaMetaUniqueClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_unique_finalize;
  LM_META_CHARACTER (klass, UNIQUE);
  lm::install_properties<unique_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_unique, TavrelModelMetaMetaUnique, TAVREL_MODEL_META_TYPE_META_UNIQUE)
LM_META_NAMED_CONSTRUCTORS (tavrel_model_meta_meta_unique, TavrelModelMetaMetaUnique, TAVREL_MODEL_META_TYPE_META_UNIQUE)

#define SELF tavrel_model_meta_meta_unique, TavrelModelMetaMetaUnique, TAVREL_MODEL_META_IS_META_UNIQUE
LM_ACCESSORS (SELF, columns, const gchar *, NULL)
LM_ACCESSORS (SELF, conflict, const gchar *, NULL)
LM_ACCESSORS (SELF, is_primary_key, gboolean, FALSE)
LM_ACCESSORS (SELF, table_space, const gchar *, NULL)
LM_ACCESSORS (SELF, with, const gchar *, NULL)
LM_ACCESSORS (SELF, include, const gchar *, NULL)
LM_ACCESSORS (SELF, deferrable, const gchar *, NULL)
#undef SELF
