/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * An exclusion constraint: its elements and index options as texts.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaExcludePrivate {
  lm::String index_method {""};
  lm::String table_space {""};
  lm::String with {""};
  lm::String include {""};
  lm::String where {""};
  lm::String deferrable {""};
  lm::String elements {""};
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaExclude, tavrel_model_meta_meta_exclude, TAVREL_MODEL_META_TYPE_META_CONSTRAINT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaExclude, tavrel_model_meta_meta_exclude, TavrelModelMetaMetaExcludePrivate)

using P = TavrelModelMetaMetaExcludePrivate;

static constexpr lm::Property exclude_properties[] = {
    LM_META_STRING (index_method, "index-method"),
    LM_META_STRING (table_space, "table-space"),
    LM_META_STRING (with, "with"),
    LM_META_STRING (include, "include"),
    LM_META_STRING (where, "where"),
    LM_META_STRING (deferrable, "deferrable"),
    LM_META_STRING (elements, "elements"),
};

static void
tavrel_model_meta_meta_exclude_class_init (TavrelModelMetaMetaExcludeClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_exclude_finalize;
  LM_META_CHARACTER (klass, EXCLUDE);
  lm::install_properties<exclude_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_exclude, TavrelModelMetaMetaExclude, TAVREL_MODEL_META_TYPE_META_EXCLUDE)
LM_META_NAMED_CONSTRUCTORS (tavrel_model_meta_meta_exclude, TavrelModelMetaMetaExclude, TAVREL_MODEL_META_TYPE_META_EXCLUDE)

#define SELF tavrel_model_meta_meta_exclude, TavrelModelMetaMetaExclude, TAVREL_MODEL_META_IS_META_EXCLUDE
LM_ACCESSORS (SELF, index_method, const gchar *, NULL)
LM_ACCESSORS (SELF, table_space, const gchar *, NULL)
LM_ACCESSORS (SELF, with, const gchar *, NULL)
LM_ACCESSORS (SELF, include, const gchar *, NULL)
LM_ACCESSORS (SELF, where, const gchar *, NULL)
LM_ACCESSORS (SELF, deferrable, const gchar *, NULL)
LM_ACCESSORS (SELF, elements, const gchar *, NULL)
#undef SELF
