package yl;

import java.lang.reflect.Field;
import java.lang.reflect.Modifier;
import java.util.ArrayList;
import java.util.List;

/**
 * The base of a grammar's value class (YYSTYPE). The parser keeps its own value objects on its stack and moves
 * values by copying one into another with yycopy. The default copies every instance field the value class
 * declares; a class that knows its fields can do it faster, or deeper.
 */
public abstract class yyattribute {
	private static final ClassValue<Field[]> FIELDS = new ClassValue<Field[]>() {
		@Override
		protected Field[] computeValue(Class<?> type) {
			List<Field> fields = new ArrayList<Field>();
			for (Class<?> c = type; c != null && c != yyattribute.class; c = c.getSuperclass()) {
				for (Field field : c.getDeclaredFields()) {
					if (Modifier.isStatic(field.getModifiers()) || field.isSynthetic()) {
						continue;
					}
					field.setAccessible(true);
					fields.add(field);
				}
			}
			return fields.toArray(new Field[0]);
		}
	};

	/** The fields yycopy copies, looked up once per value rather than once per copy. */
	private final Field fields[] = FIELDS.get(getClass());

	/** Makes this value a copy of source, which is of the same class. */
	public void yycopy(yyattribute source) {
		try {
			for (Field field : fields) {
				field.set(this, field.get(source));
			}
		} catch (IllegalAccessException e) {
			throw new IllegalStateException(e);
		}
	}
}
