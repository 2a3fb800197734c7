#include "Lxv/ComponentWalk.h"

#include "platform/forms/application.h"
#include "platform/forms/form.h"

namespace Lxv {

using namespace platform;

void ForEachFormComponent(const std::function<bool(TComponent*)>& visit) {
  const TApplication& application = Application();
  for (int i = 0; i < application.ComponentCount(); ++i) {
    const TComponent* form = application.Components(i);
    if (!Is<TForm>(form)) continue;
    for (int j = 0; j < form->ComponentCount(); ++j)
      if (visit(form->Components(j))) return;
  }
}

void ForEachApplicationComponent(const std::function<void(TComponent*)>& visit) {
  const TApplication& application = Application();
  for (int i = 0; i < application.ComponentCount(); ++i) {
    TComponent* top = application.Components(i);
    visit(top);
    for (int j = 0; j < top->ComponentCount(); ++j) visit(top->Components(j));
  }
}

}  // namespace Lxv
