// SPDX-License-Identifier: MIT
// SANE's entry points, under the names SANE's dll backend looks up (sane_quillon_*) and under the
// plain ones, for a frontend linked with this backend alone. Nothing else is exported.
#include "sane/SaneBackend.h"
#include "sane/SaneLogging.h"

#include <QtGlobal>

#include <sane/sane.h>

namespace {
SaneBackend &backend()
{
    static SaneBackend instance;
    return instance;
}

ScanDevice *device(SANE_Handle handle)
{
    return backend().isOpen(handle) ? static_cast<ScanDevice *>(handle) : nullptr;
}

constexpr SANE_Int BuildNumber = 1;
} // namespace

extern "C" {
SANE_Status sane_quillon_init(SANE_Int *version_code, SANE_Auth_Callback)
{
    SaneLogging::followDebugVariable();
    if (version_code)
        *version_code = SANE_VERSION_CODE(SANE_CURRENT_MAJOR, SANE_CURRENT_MINOR, BuildNumber);
    backend().init();
    return SANE_STATUS_GOOD;
}

void sane_quillon_exit(void)
{
    backend().exit();
}

SANE_Status sane_quillon_get_devices(const SANE_Device ***device_list, SANE_Bool)
{
    if (!device_list)
        return SANE_STATUS_INVAL;
    *device_list = backend().devices();
    return SANE_STATUS_GOOD;
}

SANE_Status sane_quillon_open(SANE_String_Const name, SANE_Handle *handle)
{
    if (!handle)
        return SANE_STATUS_INVAL;
    ScanDevice *opened = nullptr;
    const SANE_Status status = backend().open(name, &opened);
    *handle = opened;
    return status;
}

void sane_quillon_close(SANE_Handle handle)
{
    if (ScanDevice *d = device(handle))
        backend().close(d);
}

const SANE_Option_Descriptor *sane_quillon_get_option_descriptor(SANE_Handle handle,
                                                                 SANE_Int option)
{
    ScanDevice *d = device(handle);
    return d ? d->options().descriptor(option) : nullptr;
}

SANE_Status sane_quillon_control_option(SANE_Handle handle, SANE_Int option, SANE_Action action,
                                        void *value, SANE_Int *info)
{
    ScanDevice *d = device(handle);
    return d ? d->options().control(option, action, value, info) : SANE_STATUS_INVAL;
}

SANE_Status sane_quillon_get_parameters(SANE_Handle handle, SANE_Parameters *params)
{
    ScanDevice *d = device(handle);
    if (!d || !params)
        return SANE_STATUS_INVAL;
    *params = d->parameters();
    return SANE_STATUS_GOOD;
}

SANE_Status sane_quillon_start(SANE_Handle handle)
{
    ScanDevice *d = device(handle);
    return d ? d->start() : SANE_STATUS_INVAL;
}

SANE_Status sane_quillon_read(SANE_Handle handle, SANE_Byte *data, SANE_Int max_length,
                              SANE_Int *length)
{
    ScanDevice *d = device(handle);
    if (!d || !data || !length)
        return SANE_STATUS_INVAL;
    return d->read(data, max_length, length);
}

// May be called from a signal handler: it only marks the scan cancelled.
void sane_quillon_cancel(SANE_Handle handle)
{
    if (ScanDevice *d = device(handle))
        d->cancel();
}

SANE_Status sane_quillon_set_io_mode(SANE_Handle handle, SANE_Bool non_blocking)
{
    if (!device(handle))
        return SANE_STATUS_INVAL;
    return non_blocking ? SANE_STATUS_UNSUPPORTED : SANE_STATUS_GOOD;
}

SANE_Status sane_quillon_get_select_fd(SANE_Handle handle, SANE_Int *)
{
    return device(handle) ? SANE_STATUS_UNSUPPORTED : SANE_STATUS_INVAL;
}

SANE_String_Const sane_quillon_strstatus(SANE_Status status)
{
    switch (status) {
    case SANE_STATUS_GOOD:
        return "Success";
    case SANE_STATUS_UNSUPPORTED:
        return "Operation not supported";
    case SANE_STATUS_CANCELLED:
        return "Operation was cancelled";
    case SANE_STATUS_DEVICE_BUSY:
        return "Device busy";
    case SANE_STATUS_INVAL:
        return "Invalid argument";
    case SANE_STATUS_EOF:
        return "End of file reached";
    case SANE_STATUS_JAMMED:
        return "Document feeder jammed";
    case SANE_STATUS_NO_DOCS:
        return "Document feeder out of documents";
    case SANE_STATUS_COVER_OPEN:
        return "Scanner cover is open";
    case SANE_STATUS_IO_ERROR:
        return "Error during device I/O";
    case SANE_STATUS_NO_MEM:
        return "Out of memory";
    case SANE_STATUS_ACCESS_DENIED:
        return "Access to resource has been denied";
    }
    return "Unknown SANE status code";
}

SANE_Status sane_init(SANE_Int *version_code, SANE_Auth_Callback authorize)
{
    return sane_quillon_init(version_code, authorize);
}

void sane_exit(void)
{
    sane_quillon_exit();
}

SANE_Status sane_get_devices(const SANE_Device ***device_list, SANE_Bool local_only)
{
    return sane_quillon_get_devices(device_list, local_only);
}

SANE_Status sane_open(SANE_String_Const name, SANE_Handle *handle)
{
    return sane_quillon_open(name, handle);
}

void sane_close(SANE_Handle handle)
{
    sane_quillon_close(handle);
}

const SANE_Option_Descriptor *sane_get_option_descriptor(SANE_Handle handle, SANE_Int option)
{
    return sane_quillon_get_option_descriptor(handle, option);
}

SANE_Status sane_control_option(SANE_Handle handle, SANE_Int option, SANE_Action action,
                                void *value, SANE_Int *info)
{
    return sane_quillon_control_option(handle, option, action, value, info);
}

SANE_Status sane_get_parameters(SANE_Handle handle, SANE_Parameters *params)
{
    return sane_quillon_get_parameters(handle, params);
}

SANE_Status sane_start(SANE_Handle handle)
{
    return sane_quillon_start(handle);
}

SANE_Status sane_read(SANE_Handle handle, SANE_Byte *data, SANE_Int max_length, SANE_Int *length)
{
    return sane_quillon_read(handle, data, max_length, length);
}

void sane_cancel(SANE_Handle handle)
{
    sane_quillon_cancel(handle);
}

SANE_Status sane_set_io_mode(SANE_Handle handle, SANE_Bool non_blocking)
{
    return sane_quillon_set_io_mode(handle, non_blocking);
}

SANE_Status sane_get_select_fd(SANE_Handle handle, SANE_Int *fd)
{
    return sane_quillon_get_select_fd(handle, fd);
}

SANE_String_Const sane_strstatus(SANE_Status status)
{
    return sane_quillon_strstatus(status);
}
} // extern "C"
