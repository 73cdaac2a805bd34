package yl;

import java.io.IOException;
import java.io.InputStream;
import java.io.Reader;

/**
 * UTF-8 in, as the C runtime reads it: each character becomes one code unit, or two (a surrogate pair) beyond
 * U+FFFF. A byte that does not begin a well-formed sequence (a stray continuation byte, C0, C1, F5 to FF, a lead byte
 * whose sequence is cut short, overlong, a surrogate or beyond U+10FFFF) becomes the lone low surrogate 0xDC00 + byte,
 * which well-formed input never yields, and the bytes after it are read anew; yylexer.yyoutput writes such a unit back
 * as the byte itself, so that nothing is lost on the way through. Java's own decoder would make each of them U+FFFD.
 */
public final class yyutf8reader extends Reader {
	private final InputStream in;
	private final byte bytes[] = new byte[8192];
	private int pos = 0;
	private int end = 0;
	private boolean eof = false;
	/** The low surrogate of a pair whose high one was delivered, or -1. */
	private int low = -1;

	public yyutf8reader(InputStream in) {
		this.in = in;
	}

	/** Reads until at least need bytes are buffered or the input ends; false when fewer are there. */
	private boolean buffered(int need) throws IOException {
		if (end - pos >= need) {
			return true;
		}
		System.arraycopy(bytes, pos, bytes, 0, end - pos);
		end -= pos;
		pos = 0;
		while (end < need && !eof) {
			int n = in.read(bytes, end, bytes.length - end);
			if (n < 0) {
				eof = true;
			}
			else {
				end += n;
			}
		}
		return end >= need;
	}

	/** The bytes of the sequence that lead begins, when it is well formed; 1 for a byte that begins none. */
	private static int length(int lead) {
		if (lead >= 0xC2 && lead <= 0xDF) {
			return 2;
		}
		if (lead >= 0xE0 && lead <= 0xEF) {
			return 3;
		}
		return lead >= 0xF0 && lead <= 0xF4 ? 4 : 1;
	}

	/** The next character's code point, or 0xDC00 + its first byte when that byte begins no well-formed sequence. */
	private int decode() throws IOException {
		int lead = bytes[pos] & 0xFF;
		int need;
		int code;
		int lowest = 0x80;
		int highest = 0xBF;
		if (lead < 0x80) {
			pos++;
			return lead;
		}
		if (lead >= 0xC2 && lead <= 0xDF) {
			need = 1;
			code = lead & 0x1F;
		}
		else if (lead >= 0xE0 && lead <= 0xEF) {
			need = 2;
			code = lead & 0x0F;
			lowest = lead == 0xE0 ? 0xA0 : 0x80;
			highest = lead == 0xED ? 0x9F : 0xBF;
		}
		else if (lead >= 0xF0 && lead <= 0xF4) {
			need = 3;
			code = lead & 0x07;
			lowest = lead == 0xF0 ? 0x90 : 0x80;
			highest = lead == 0xF4 ? 0x8F : 0xBF;
		}
		else {
			pos++;
			return 0xDC00 + lead;
		}
		for (int k = 1; k <= need; k++) {
			// One byte at a time, as the C runtime reads: a byte that breaks the sequence ends the wait.
			if (!buffered(1 + k)) {
				pos++;
				return 0xDC00 + lead;
			}
			int next = bytes[pos + k] & 0xFF;
			if (next < lowest || next > highest) {
				pos++;
				return 0xDC00 + lead;
			}
			code = code << 6 | (next & 0x3F);
			lowest = 0x80;
			highest = 0xBF;
		}
		pos += 1 + need;
		return code;
	}

	@Override
	public int read(char buf[], int off, int len) throws IOException {
		int n = 0;
		while (n < len) {
			if (low >= 0) {
				buf[off + n++] = (char) low;
				low = -1;
				continue;
			}
			// What was decoded is delivered before the input is waited on again.
			if (pos == end && (n > 0 || !buffered(1))) {
				break;
			}
			if (n > 0 && !eof && end - pos < length(bytes[pos] & 0xFF)) {
				break;
			}
			int code = decode();
			if (code >= 0x10000) {
				code -= 0x10000;
				low = 0xDC00 + (code & 0x3FF);
				code = 0xD800 + (code >> 10);
			}
			buf[off + n++] = (char) code;
		}
		return n == 0 && len > 0 ? -1 : n;
	}

	@Override
	public void close() throws IOException {
		in.close();
	}
}
