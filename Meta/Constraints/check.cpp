/* SPDX-License-Identifier: LGPL-2.1-or-later */
/*
 * A check constraint and its condition.
 */

#include "Meta/object.h"

struct TavrelModelMetaMetaCheckPrivate {
  bool enforced = false;
  bool no_inherit = true;
  lm::String check {""};
  lm::String deferrable {""};
};

G_DEFINE_TYPE_WITH_PRIVATE (TavrelModelMetaMetaCheck, tavrel_model_meta_meta_check, TAVREL_MODEL_META_TYPE_META_CONSTRAINT)
LM_DEFINE_PRIVATE (TavrelModelMetaMetaCheck, tavrel_model_meta_meta_check, TavrelModelMetaMetaCheckPrivate)

using P = TavrelModelMetaMetaCheckPrivate;

static constexpr lm::Property check_properties[] = {
    LM_META_BOOLEAN (enforced, "enforced", FALSE),
    LM_META_BOOLEAN (no_inherit, "no-inherit", TRUE),
    LM_META_STRING (check, "check"),
    LM_META_STRING (deferrable, "deferrable"),
};

static void
tavrel_model_meta_meta_check_class_init (TavrelModelMetaMetaCheckClass *klass)
{
  G_OBJECT_CLASS (klass)->finalize = tavrel_model_meta_meta_check_finalize;
  LM_META_CHARACTER (klass, CHECK);
  lm::install_properties<check_properties> (G_OBJECT_CLASS (klass));
}

LM_META_CONSTRUCTORS (tavrel_model_meta_meta_check, TavrelModelMetaMetaCheck, TAVREL_MODEL_META_TYPE_META_CHECK)

/* Unlike the other constraints, a check takes its condition with its names. */
LM_META_NAMED_CONSTRUCTORS_WITH (tavrel_model_meta_meta_check, TavrelModelMetaMetaCheck, TAVREL_MODEL_META_TYPE_META_CHECK,
                                 with_names, expr, check)

#define SELF tavrel_model_meta_meta_check, TavrelModelMetaMetaCheck, TAVREL_MODEL_META_IS_META_CHECK
LM_ACCESSORS (SELF, enforced, gboolean, FALSE)
LM_ACCESSORS (SELF, no_inherit, gboolean, FALSE)
LM_ACCESSORS (SELF, check, const gchar *, NULL)
LM_ACCESSORS (SELF, deferrable, const gchar *, NULL)
#undef SELF
