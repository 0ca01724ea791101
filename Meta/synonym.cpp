/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A synonym: another name, with an identity of its own, for a target
 * object.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaSynonymPrivate {
  lm::String target {""};
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaSynonym, tavrel_model_meta_meta_synonym, TAVREL_MODEL_META_TYPE_META_OBJECT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaSynonym, tavrel_model_meta_meta_synonym, TavrelModelMetaMetaSynonymPrivate)

using P = TavrelModelMetaMetaSynonymPrivate;

static constexpr lm::Property synonym_properties[] = {
    LM_META_STRING (target, "target"),
};

static void
tavrel_model_meta_meta_synonym_class_init (TavrelModelMetaMetaSynonymClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_synonym_finalize;
  LM_META_CHARACTER (klass, SYNONYM);
  lm::install_properties<synonym_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_synonym, TavrelModelMetaMetaSynonym, TAVREL_MODEL_META_TYPE_META_SYNONYM)
LM_META_NAMED_CONSTRUCTORS (tavrel_model_meta_meta_synonym, TavrelModelMetaMetaSynonym, TAVREL_MODEL_META_TYPE_META_SYNONYM)

#define SELF tavrel_model_meta_meta_synonym, TavrelModelMetaMetaSynonym, TAVREL_MODEL_META_IS_META_SYNONYM
LM_ACCESSORS (SELF, target, const gchar *, NULL)
#undef SELF
