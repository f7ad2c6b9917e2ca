"""Runs hidapi_tests under the umockdev fake HID device of the shared tools.

usage: run_fakehid.py SHARED_DIR TEST_PROGRAM RESPONDER [KIND INTERFACE FILTER]

The device gets the report descriptor the test program prints with
--print-rdesc (of the simulated KIND's INTERFACE, the keyboard's interface 1
by default), and the program runs the tests matching FILTER. Exit status 77 (skipped) when the harness or its Python
bindings are missing.
"""
import os
import subprocess
import sys

SKIP = 77


def main():
    shared, program, responder = sys.argv[1:4]
    kind, interface, test_filter = (sys.argv[4:7] + ['keyboard', '1', '*'][len(sys.argv[4:7]):])
    tool = os.path.join(shared, 'tools', 'umockhid', 'fakehid.py')
    if not os.path.exists(tool):
        print('umockhid harness not found at %s; skipped' % tool)
        return SKIP
    try:
        import gi  # noqa: F401
        gi.require_version('UMockdev', '1.0')
    except (ImportError, ValueError) as error:
        print('umockdev Python bindings missing (%s); skipped' % error)
        return SKIP
    rdesc = subprocess.check_output([program, '--print-rdesc', kind, interface]).decode().strip()
    # In a sanitizer build the umockdev preload library comes before the ASan
    # runtime, and leaks inside the preload library are not ours to report.
    options = os.environ.get('ASAN_OPTIONS', '')
    os.environ['ASAN_OPTIONS'] = ':'.join(
        filter(None, [options, 'verify_asan_link_order=0', 'detect_leaks=0']))
    return subprocess.call(['/usr/bin/python3', tool, '-q', '--responder', responder,
                            '--rdesc', rdesc, '--timeout', '150', '--', program,
                            '--gtest_filter=' + test_filter])


if __name__ == '__main__':
    sys.exit(main())
