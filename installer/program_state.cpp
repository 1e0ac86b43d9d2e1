#include "installer/program_state.h"

namespace installer {

frame::TextArray productCatalogue;
int32_t productIndex = 0;
frame::Text productName;
frame::Text catalogueText;

void releaseGlobals() {
  productCatalogue = frame::TextArray();
  productName = frame::Text();
  catalogueText = frame::Text();
}

}  // namespace installer
