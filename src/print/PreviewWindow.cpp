#include "print/PreviewWindow.h"

namespace {
TPreviewFactory& Factory()
{
    static TPreviewFactory factory;
    return factory;
}
}  // namespace

TPreviewFactory SetPreviewFactory(TPreviewFactory factory)
{
    TPreviewFactory previous = std::move(Factory());
    Factory() = std::move(factory);
    return previous;
}

const TPreviewFactory& PreviewFactory()
{
    return Factory();
}
