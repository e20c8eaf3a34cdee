#pragma once

namespace Common {

namespace CSV {
class ILoaderCreator;
class ILoaderErrorHandler;
class ISaverCreator;
class ISaverErrorHandler;
} // namespace CSV

// What a CSV command needs besides its own data: the makers of loaders and
// savers and the boxes that report their failures.
class ICsvControllerDeps
{
public:
    virtual ~ICsvControllerDeps() = default;
    virtual CSV::ILoaderErrorHandler* loaderErrorHandler() = 0;
    virtual CSV::ISaverErrorHandler* saverErrorHandler() = 0;
    virtual CSV::ILoaderCreator* loaderCreator() = 0;
    virtual CSV::ISaverCreator* saverCreator() = 0;
};

} // namespace Common
