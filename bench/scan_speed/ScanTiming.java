import java.io.CharArrayReader;
import java.io.IOException;
import java.io.InputStreamReader;
import java.io.Reader;
import java.lang.management.ManagementFactory;
import java.lang.management.ThreadMXBean;
import java.nio.charset.StandardCharsets;
import java.util.Arrays;

/**
 * The Java form of scan_driver.h for the Lindle and JFlex scanners: reads standard input into memory, scans it
 * from a reader over it twice (the first scan lets the JIT compile the scanner), and prints the token count of the
 * second (on standard error) and the processor time of its thread in nanoseconds.
 */
public final class ScanTiming {
	/** The next token of a scanner, or its end value. */
	public interface Scanner {
		int next() throws IOException;
	}

	/** A scanner over the reader. */
	public interface Factory {
		Scanner open(Reader in);
	}

	private ScanTiming() {
	}

	public static void run(Factory factory, int end) throws IOException {
		char[] text = read();
		ThreadMXBean clock = ManagementFactory.getThreadMXBean();
		long tokens = 0;
		long elapsed = 0;
		for (int round = 0; round < 2; round++) {
			Scanner scanner = factory.open(new CharArrayReader(text));
			tokens = 0;
			long start = clock.getCurrentThreadCpuTime();
			while (scanner.next() != end) {
				++tokens;
			}
			elapsed = clock.getCurrentThreadCpuTime() - start;
		}
		System.err.println(tokens + " tokens");
		System.out.println(elapsed);
	}

	private static char[] read() throws IOException {
		Reader in = new InputStreamReader(System.in, StandardCharsets.UTF_8);
		char[] text = new char[1 << 20];
		int size = 0;
		int got;
		while ((got = in.read(text, size, text.length - size)) > 0) {
			size += got;
			if (size == text.length) {
				text = Arrays.copyOf(text, text.length * 2);
			}
		}
		return Arrays.copyOf(text, size);
	}
}
