"""A keyboard's command collection as hidapi_tests expects it.

Requests are 64-byte reports with ID 4: byte 3 command, 4 length, 5-6 offset,
bytes 1-2 the byte sum of bytes 3..63. Replies echo the command with status 0
(0xFF for a bad checksum). Some commands of the test add consumer reports
(ID 3, two 16-bit usage fields) that only the consumer collection may see.
"""

INFO = bytes([0x01, 0x07, 0x01, 0, 0, 122, 32] + [0] * 27)


def reply(request, data=b'', status=0):
    out = bytearray(64)
    out[0] = 0x04
    out[3:7] = request[3:7]
    out[7] = status
    out[8:8 + len(data)] = data
    return bytes(out)


def consumer(code):
    # Report ID 3 with two 16-bit usage fields, the second one empty.
    return bytes([0x03, code & 0xFF, code >> 8, 0, 0])


def on_write(report):
    if len(report) != 64 or report[0] != 0x04:
        return None
    checksum = report[1] | report[2] << 8
    if checksum != sum(report[3:]) & 0xFFFF:
        return reply(report, status=0xFF)
    command, length, offset = report[3], report[4], report[5] | report[6] << 8
    if command == 0x03:
        # Two notifications arrive ahead of the answer.
        return [consumer(0x0777), consumer(0x0778),
                reply(report, INFO[offset:offset + length])]
    if command == 0x30:
        # Test-only: the answer, then a notification.
        return [reply(report), consumer(0x0401)]
    if command == 0x31:
        # Test-only: silence.
        return None
    return reply(report)
