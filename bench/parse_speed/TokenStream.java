import java.io.IOException;
import java.nio.ByteBuffer;
import java.nio.ByteOrder;
import java.nio.file.Files;
import java.nio.file.Paths;

/**
 * The Java parsers' side of the benchmark: the token stream in memory, handed out token by token, and the timing.
 * Each parser parses the whole stream several times in one JVM and the fastest parse counts, so that the JIT has
 * compiled both before the parse that is measured.
 */
final class TokenStream {
	interface Parse {
		int run();
	}

	private final int tokens[];
	private int next;

	private TokenStream(int tokens[]) {
		this.tokens = tokens;
	}

	static TokenStream load(String name) throws IOException {
		ByteBuffer bytes = ByteBuffer.wrap(Files.readAllBytes(Paths.get(name))).order(ByteOrder.LITTLE_ENDIAN);
		int tokens[] = new int[bytes.remaining() / 4];
		bytes.asIntBuffer().get(tokens);
		return new TokenStream(tokens);
	}

	int next(int number) {
		if (next < tokens.length) {
			int token = tokens[next++];
			return token == 'n' ? number : token;
		}
		return 0;
	}

	/** The fastest of several parses of the stream, in nanoseconds; -1 when a parse fails. */
	long best(Parse parse) {
		long best = Long.MAX_VALUE;
		for (int run = 0; run < Integer.getInteger("repetitions", 3); run++) {
			next = 0;
			long start = System.nanoTime();
			int result = parse.run();
			long elapsed = System.nanoTime() - start;
			if (result != 0) {
				return -1;
			}
			best = Math.min(best, elapsed);
		}
		return best;
	}
}
