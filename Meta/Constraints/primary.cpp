/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A primary key: its columns as a list of names, in key order.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaPrimaryKeyPrivate {
  lm::StringList columns;
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaPrimaryKey, tavrel_model_meta_meta_primary_key, TAVREL_MODEL_META_TYPE_META_CONSTRAINT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaPrimaryKey, tavrel_model_meta_meta_primary_key, TavrelModelMetaMetaPrimaryKeyPrivate)

using P = TavrelModelMetaMetaPrimaryKeyPrivate;

static constexpr lm::Property primary_key_properties[] = {
    LM_META_LIST (columns, "columns", lm::strings),
};

static void
tavrel_model_meta_meta_primary_key_class_init (TavrelModelMetaMetaPrimaryKeyClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_primary_key_finalize;
  LM_META_CHARACTER (klass, PRIMARY);
  lm::install_properties<primary_key_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_primary_key, TavrelModelMetaMetaPrimaryKey, TAVREL_MODEL_META_TYPE_META_PRIMARY_KEY)
LM_META_NAMED_CONSTRUCTORS (tavrel_model_meta_meta_primary_key, TavrelModelMetaMetaPrimaryKey, TAVREL_MODEL_META_TYPE_META_PRIMARY_KEY)

#define SELF tavrel_model_meta_meta_primary_key, TavrelModelMetaMetaPrimaryKey, TAVREL_MODEL_META_IS_META_PRIMARY_KEY
LM_ACCESSORS (SELF, columns, GeeArrayList *, NULL)
#undef SELF
