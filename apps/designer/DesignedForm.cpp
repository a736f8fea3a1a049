#include "DesignedForm.h"

#include "host/core/ClassBuilder.h"

namespace designer {

using namespace host;

HOST_PUBLISHED(TDesignedForm) {
  P.Property("Left", &TDesignedForm::DesignLeft, &TDesignedForm::SetDesignLeft);
  P.Property("Top", &TDesignedForm::DesignTop, &TDesignedForm::SetDesignTop);
  P.Property("Visible", &TDesignedForm::DesignVisible, &TDesignedForm::SetDesignVisible).SetDefault(false);
}

TDesignedForm::TDesignedForm(TComponent* owner) : TForm(owner) {}

void TDesignedForm::SetDesignLeft(Integer value) {
  designLeft_ = value;
  if (!Parent()) SetLeft(value);
}

void TDesignedForm::SetDesignTop(Integer value) {
  designTop_ = value;
  if (!Parent()) SetTop(value);
}

void TDesignedForm::SetDesignVisible(bool value) {
  // Only kept: the designer decides where the form shows.
  designVisible_ = value;
}

}  // namespace designer
